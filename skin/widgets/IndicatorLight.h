#pragma once
// One indicator light: a filled shape in the skin's colour, or a picture
// when the skin gives one (a sprite of its resource bitmap). The "square"
// kinds use the smaller side of the light's rectangle, centred in it. A
// light takes no mouse input: the window's background lies under it.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "skin/SkinDocument.h"

namespace kd {

class IndicatorLight : public QWidget {
  Q_OBJECT
 public:
  explicit IndicatorLight(QWidget* parent);

  void setLook(QRgb colour, LightShape shape);
  // A picture drawn instead of the shape; a null picture: the shape.
  void setPicture(const QImage& picture);
  const QImage& picture() const { return m_picture; }
  QRgb colour() const { return m_colour; }
  LightShape shape() const { return m_shape; }

  // The area the shape covers inside the light's rectangle.
  static QRectF shapeArea(QSize size, LightShape shape);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRgb m_colour = 0;
  LightShape m_shape = LightShape::Rectangle;
  QImage m_picture;
};

}  // namespace kd
