#include "skin/widgets/PressedImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kd {

PressedImage::PressedImage(QWidget* parent) : QWidget(parent) {
  // Pointer movements over the image are its own: the window must not take
  // them for movements over its background, which would hide the image.
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void PressedImage::setPicture(const QImage& picture) {
  m_picture = picture;
  update();
}

void PressedImage::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, m_picture);
}

void PressedImage::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void PressedImage::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released();
}

void PressedImage::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace kd
