// A widget that shows one canvas the core draws on (the plane, a panel, a table grid) and
// passes the mouse on as plain pixel positions.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class Canvas;
class QtCanvas;

// The picture for a screen of ratio device pixels per logical pixel: fine (the picture drawn
// afresh at the device's pixels) where shown is what plain (the same drawing at its own size)
// is, and shown's pixels enlarged where something was drawn on it since (a rubber band, a mark).
// A null image when shown and plain differ in size.
QImage ComposeFine(const QImage& shown, const QImage& plain, const QImage& fine, double ratio);

class ImageView : public QWidget {
  Q_OBJECT

 public:
  explicit ImageView(QWidget* parent = nullptr);

  // The canvas shown; the view takes its size. The canvas must outlive the view. What is shown
  // is everything drawn on it so far, strokes not yet painted into its picture included.
  void SetCanvas(const QtCanvas* canvas);
  // Call after drawing on the image.
  void Refresh();
  // Draws the picture afresh on a canvas (resizing it), as the shown canvas got it at its last
  // full drawing. With it a screen of more device pixels than logical ones shows the picture
  // drawn at its device pixels rather than enlarged.
  using Redraw = std::function<void(Canvas& target)>;
  void SetRedraw(Redraw redraw) { redraw_ = std::move(redraw); }

 Q_SIGNALS:
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void MouseUp(Qt::MouseButton button, int x, int y);
  void MouseMove(int x, int y);
  void DoubleClick(Qt::MouseButton button, int x, int y);
  void Clicked();  // a left click

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage FinePicture(double ratio);

  const QtCanvas* canvas_ = nullptr;
  Redraw redraw_;
  QImage plain_;  // the last redraw at the picture's own size
  QImage fine_;   // the same at fineRatio_ device pixels per pixel
  double fineRatio_ = 0;
};
