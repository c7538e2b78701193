// A widget that shows one canvas the core draws on (the plane, a panel, a table grid) and
// passes the mouse on as plain pixel positions.
#pragma once

#include <QWidget>

class QtCanvas;

class ImageView : public QWidget {
  Q_OBJECT

 public:
  explicit ImageView(QWidget* parent = nullptr);

  // The canvas shown; the view takes its size. The canvas must outlive the view. What is shown
  // is everything drawn on it so far, strokes not yet painted into its picture included.
  void SetCanvas(const QtCanvas* canvas);
  // Call after drawing on the image.
  void Refresh();

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
  const QtCanvas* canvas_ = nullptr;
};
