#pragma once
// The pressed-button image: one picture laid exactly over the button that is
// pressed (or hovered, in hover style 2), cut from the resource bitmap.
// Clicking it stands for clicking the button it covers.

#include <QImage>
#include <QWidget>

namespace kd {

class PressedImage : public QWidget {
  Q_OBJECT
 public:
  explicit PressedImage(QWidget* parent);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return m_picture; }

 signals:
  // A mouse button pressed over the image was released.
  void released();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage m_picture;
};

}  // namespace kd
