#include "FacePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "ButtonPainter.h"
#include "Icons.h"
#include "Palette.h"

namespace kd::skingen {

namespace {

using namespace palette;

QPainterPath OutlinePath(const QVector<QPoint>& outline) {
  QPolygonF polygon;
  for (const QPoint& pt : outline) polygon << QPointF(pt);
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

void FillBand(QPainter& p, const QRect& band, const QColor& top, const QColor& bottom) {
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(band, g);
}

// A one-pixel engraved line: shadow above, highlight below.
void Divider(QPainter& p, int y, int width) {
  p.fillRect(QRect(0, y - 1, width, 1), QColor(0, 0, 0, 150));
  p.fillRect(QRect(0, y, width, 1), QColor(255, 255, 255, 16));
}

void PaintNotePlaceholder(QPainter& p, const QRect& r) {
  // A quiet beamed note where the cover picture goes while there is none.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor ink(46, 54, 66);
  const QPointF c = QRectF(r).center();
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(c + QPointF(-14, 14), 8, 6);
  p.drawEllipse(c + QPointF(12, 8), 8, 6);
  p.fillRect(QRectF(c.x() - 8, c.y() - 20, 3, 34), ink);
  p.fillRect(QRectF(c.x() + 18, c.y() - 26, 3, 34), ink);
  QPolygonF beam(
      {c + QPointF(-8, -20), c + QPointF(21, -26), c + QPointF(21, -19), c + QPointF(-8, -13)});
  p.drawPolygon(beam);
  p.restore();
}

}  // namespace

QPainterPath LightPath(const LightSpec& light) {
  QRectF r(light.rect);
  const bool square = light.shape == 1 || light.shape == 3 || light.shape == 5;
  if (square) {
    const qreal side = std::min(r.width(), r.height());
    r = QRectF(r.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
  }
  const qreal round = std::min(r.width(), r.height()) / 2;
  QPainterPath path;
  if (light.shape == 2 || light.shape == 3)
    path.addEllipse(r);
  else if (light.shape == 4 || light.shape == 5)
    path.addRoundedRect(r, round, round);
  else
    path.addRect(r);
  return path;
}

void PaintInset(QPainter& p, const QRect& rect, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF r = QRectF(rect);
  // Highlight below, shadow above: the panel looks pressed into the body.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 20));
  p.drawRoundedRect(r.adjusted(-1, 0, 1, 1), radius + 1, radius + 1);
  p.setBrush(kScreenEdge);
  p.drawRoundedRect(r.adjusted(-1, -1, 1, 0), radius + 1, radius + 1);
  p.setBrush(kScreen);
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

FacePainter::FacePainter(const SkinLayout& layout) : m_layout(layout) {
  m_base = QImage(layout.full, QImage::Format_RGB32);
  QPainter p(&m_base);
  paintBody(p);
  paintPanels(p);
  paintGrooves(p);
  paintCaptions(p);
  paintLightSockets(p);
}

QImage FacePainter::base() const {
  return m_base;
}

QImage FacePainter::face(bool lit) const {
  QImage image = m_base;
  QPainter p(&image);
  for (const ButtonSpec& b : m_layout.buttons) PaintButton(p, b, lit);
  return image;
}

QImage FacePainter::knob(const SliderSpec& s) const {
  QImage image(s.knob, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF r(QPointF(0, 0), QSizeF(s.knob));
  if (s.style == KnobStyle::Bar) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, kAccentDeep);
    g.setColorAt(1, kAccent);
    p.fillRect(r, g);
    p.fillRect(QRectF(0, 0, r.width(), 1), QColor(255, 255, 255, 60));
    return image;
  }
  // The groove is straight in the middle of the track, so a slice taken there
  // is the right background wherever the knob stands.
  const QRect groove = s.groove();
  const int sliceX = groove.center().x() - s.knob.width() / 2;
  p.drawImage(QPoint(0, 0), m_base, QRect(QPoint(sliceX, s.origin.y()), s.knob));
  if (s.style == KnobStyle::Position) {
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(0, 0.8), 6, 6);
    p.setBrush(kAccent);
    p.drawEllipse(c, 5.5, 5.5);
    p.setBrush(QColor(240, 250, 255));
    p.drawEllipse(c, 2.2, 2.2);
    return image;
  }
  const QRectF cap = r.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(cap.topLeft(), cap.bottomLeft());
  g.setColorAt(0, QColor(236, 240, 246));
  g.setColorAt(1, QColor(160, 170, 184));
  p.setPen(QPen(QColor(10, 12, 16), 1));
  p.setBrush(g);
  p.drawRoundedRect(cap, 3, 3);
  p.fillRect(QRectF(2, r.center().y() - 0.5, r.width() - 4, 1.5), kAccentDeep);
  return image;
}

void FacePainter::paintBody(QPainter& p) const {
  const int w = m_layout.full.width();
  const int h = m_layout.full.height();
  p.fillRect(QRect(0, 0, w, h), kOutside);
  const QPainterPath body = OutlinePath(m_layout.outline);
  p.save();
  p.setClipPath(body);
  FillBand(p, QRect(0, 0, w, geometry::kStripHeight), kBodyTop, kBodyBar);
  FillBand(p, QRect(0, geometry::kStripHeight, w, geometry::kDeckBottom - geometry::kStripHeight),
           kDeckTop, kDeckBottom);
  FillBand(p, QRect(0, geometry::kDeckBottom, w, h - geometry::kDeckBottom), kListTop, kListBottom);
  Divider(p, geometry::kStripHeight, w);
  Divider(p, geometry::kDeckBottom, w);
  p.restore();
  // A faint rim inside the outline gives the edge a bevel.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setClipPath(body);
  p.setPen(QPen(QColor(255, 255, 255, 26), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  p.restore();
}

void FacePainter::paintPanels(QPainter& p) const {
  PaintInset(p, geometry::kScreen, 5);
  // A hairline between the time and the title.
  p.fillRect(QRect(geometry::kScreenDividerX, geometry::kScreen.top() + 5, 1,
                   geometry::kScreen.height() - 10),
             QColor(40, 46, 56));
  PaintInset(p, geometry::kCoverFrame, 4);
  PaintNotePlaceholder(p, m_layout.cover.rect);
  PaintInset(p, geometry::kLcd, 6);
  PaintInset(p, geometry::kListWell, 5);
}

void FacePainter::paintGrooves(QPainter& p) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const SliderSpec& s : m_layout.sliders) {
    if (s.style == KnobStyle::Bar) {
      // The empty volume bar; the knob image fills it from the left.
      p.fillRect(QRect(s.origin, s.knob), QColor(34, 40, 50));
      continue;
    }
    const QRectF g = QRectF(s.groove());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawRoundedRect(g.translated(0, 1), 2, 2);
    p.setBrush(kGroove);
    p.drawRoundedRect(g, 2, 2);
    if (s.index == 3 || s.index == 5) {
      // Balance and rate: a tick marks the centre (balanced, normal speed).
      const int x = s.origin.x() + s.travel / 2 + s.knob.width() / 2;
      p.fillRect(QRect(x, s.origin.y() - 3, 1, 2), kTextFaint);
    }
  }
  p.restore();
}

void FacePainter::paintLightSockets(QPainter& p) const {
  // An unlit lamp under every light, so a mode that is off still shows where
  // its light is.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  for (const LightSpec& light : m_layout.lights) {
    QColor dim = light.colour;
    dim.setAlpha(48);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(LightPath(light));
    p.setBrush(dim);
    p.drawPath(LightPath(light));
  }
  p.restore();
}

void FacePainter::paintCaptions(QPainter& p) const {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const CaptionSpec& c : m_layout.captions) {
    p.setPen(c.colour);
    p.setFont(UiFont(c.pixelSize, c.bold));
    p.drawText(c.rect, int(c.align), c.text);
  }
  p.restore();
}

}  // namespace kd::skingen
