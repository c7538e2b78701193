// A widget that shows one image the core draws on (the plane, a panel, a table grid) and
// passes the mouse on as plain pixel positions.
#pragma once

#include <QImage>
#include <QWidget>

class ImageView : public QWidget {
  Q_OBJECT

 public:
  explicit ImageView(QWidget* parent = nullptr);

  // The image shown; the view takes the image's size. The image must outlive the view.
  void SetImage(const QImage* image);
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
  const QImage* image_ = nullptr;
};
