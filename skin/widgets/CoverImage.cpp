#include "skin/widgets/CoverImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kd {

CoverImage::CoverImage(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void CoverImage::setPicture(const QImage& picture) {
  m_picture = picture;
  m_scaled = QPixmap();
  m_scaledFor = QSize();
  update();
}

void CoverImage::clearPicture() {
  setPicture(QImage());
}

void CoverImage::paintEvent(QPaintEvent*) {
  if (m_picture.isNull() || width() < 1 || height() < 1) return;
  const qreal ratio = devicePixelRatioF();
  const QSize target = (QSizeF(size()) * ratio).toSize();
  if (m_scaledFor != target) {
    m_scaled = QPixmap::fromImage(
        m_picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.setDevicePixelRatio(ratio);
    m_scaledFor = target;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, m_scaled);
}

void CoverImage::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void CoverImage::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

void CoverImage::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace kd
