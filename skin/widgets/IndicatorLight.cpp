#include "skin/widgets/IndicatorLight.h"

#include <QPainter>
#include <algorithm>

namespace kd {

IndicatorLight::IndicatorLight(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void IndicatorLight::setLook(QRgb colour, LightShape shape) {
  m_colour = colour;
  m_shape = shape;
  update();
}

void IndicatorLight::setPicture(const QImage& picture) {
  m_picture = picture;
  update();
}

QRectF IndicatorLight::shapeArea(QSize size, LightShape shape) {
  const QRectF whole(QPointF(0, 0), QSizeF(size));
  switch (shape) {
    case LightShape::Square:
    case LightShape::Circle:
    case LightShape::RoundedSquare: {
      const qreal side = std::min(whole.width(), whole.height());
      QRectF square(0, 0, side, side);
      square.moveCenter(whole.center());
      return square;
    }
    default:
      return whole;
  }
}

void IndicatorLight::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!m_picture.isNull()) {
    painter.drawImage(0, 0, m_picture);
    return;
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(m_colour));
  const QRectF area = shapeArea(size(), m_shape);
  const qreal radius = std::min(area.width(), area.height()) / 4;
  switch (m_shape) {
    case LightShape::Oval:
    case LightShape::Circle:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawEllipse(area);
      break;
    case LightShape::RoundedRectangle:
    case LightShape::RoundedSquare:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawRoundedRect(area, radius, radius);
      break;
    default:
      painter.fillRect(area, QColor::fromRgb(m_colour));
      break;
  }
}

}  // namespace kd
