#include "mediainfo/widgets/CoverPicture.h"

#include <QPainter>

namespace kd {

CoverPicture::CoverPicture(QWidget* parent) : QWidget(parent) {
  // The whole area is painted (picture or background), which spares Qt from
  // erasing it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CoverPicture::setPicture(const QImage& picture) {
  m_picture = picture;
  m_scaled = QPixmap();
  m_scaledFor = QSize();
  update();
}

void CoverPicture::clearPicture() {
  setPicture(QImage());
}

const QPixmap& CoverPicture::scaledPicture() {
  const qreal ratio = devicePixelRatioF();
  const QSize target = (QSizeF(size()) * ratio).toSize();
  if (m_scaledFor != target) {
    m_scaledFor = target;
    m_scaled = QPixmap();
    if (!m_picture.isNull() && !target.isEmpty()) {
      m_scaled = QPixmap::fromImage(
          m_picture.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
      m_scaled.setDevicePixelRatio(ratio);
    }
  }
  return m_scaled;
}

void CoverPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QPixmap& scaled = scaledPicture();
  if (scaled.isNull()) return;
  const QSizeF shown = scaled.deviceIndependentSize();
  const QPointF topLeft((width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0);
  painter.drawPixmap(topLeft, scaled);
}

}  // namespace kd
