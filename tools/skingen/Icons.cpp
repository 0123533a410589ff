#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kd::skingen {

namespace {

// Icons are drawn in a unit box from -0.5 to 0.5 on both axes.
QPainterPath Triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path;
  path.addPolygon(QPolygonF({a, b, c, a}));
  path.closeSubpath();
  return path;
}

QPainterPath Box(qreal x, qreal y, qreal w, qreal h, qreal radius = 0.04) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
  return path;
}

QPainterPath Gear() {
  QPainterPath gear;
  gear.addEllipse(QPointF(0, 0), 0.33, 0.33);
  for (int i = 0; i < 8; ++i) {
    QPainterPath tooth;
    tooth.addRoundedRect(QRectF(-0.09, -0.5, 0.18, 0.3), 0.03, 0.03);
    QTransform t;
    t.rotate(45.0 * i);
    gear = gear.united(t.map(tooth));
  }
  QPainterPath hole;
  hole.addEllipse(QPointF(0, 0), 0.14, 0.14);
  return gear.subtracted(hole);
}

QPainterPath Speaker() {
  QPainterPath body;
  body.addPolygon(QPolygonF({{-0.5, -0.15},
                             {-0.27, -0.15},
                             {0.02, -0.42},
                             {0.02, 0.42},
                             {-0.27, 0.15},
                             {-0.5, 0.15},
                             {-0.5, -0.15}}));
  body.closeSubpath();
  return body;
}

void Stroke(QPainter& p, const QColor& colour, qreal width) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
}

void FillPaths(QPainter& p, const QColor& colour, std::initializer_list<QPainterPath> paths) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (const QPainterPath& path : paths) p.drawPath(path);
}

void DrawStroked(QPainter& p, Glyph glyph, const QColor& c) {
  switch (glyph) {
    case Glyph::Quit:
      Stroke(p, c, 0.16);
      p.drawLine(QPointF(-0.32, -0.32), QPointF(0.32, 0.32));
      p.drawLine(QPointF(-0.32, 0.32), QPointF(0.32, -0.32));
      break;
    case Glyph::Mini:
      Stroke(p, c, 0.1);
      p.drawRoundedRect(QRectF(-0.45, -0.3, 0.9, 0.6), 0.08, 0.08);
      FillPaths(p, c, {Box(-0.45, -0.3, 0.9, 0.24)});
      break;
    case Glyph::Info:
      Stroke(p, c, 0.1);
      p.drawEllipse(QPointF(0, 0), 0.44, 0.44);
      FillPaths(p, c, {Box(-0.065, -0.06, 0.13, 0.32, 0.03)});
      p.drawEllipse(QPointF(0, -0.22), 0.075, 0.075);
      break;
    case Glyph::Skin: {
      Stroke(p, c, 0.1);
      p.drawEllipse(QPointF(0, 0), 0.42, 0.42);
      QPainterPath half;
      half.moveTo(0, -0.42);
      half.arcTo(QRectF(-0.42, -0.42, 0.84, 0.84), 90, 180);
      half.closeSubpath();
      FillPaths(p, c, {half});
      break;
    }
    case Glyph::Mixer:
      Stroke(p, c, 0.07);
      for (qreal x : {-0.3, 0.0, 0.3}) p.drawLine(QPointF(x, -0.45), QPointF(x, 0.45));
      FillPaths(p, c,
                {Box(-0.41, 0.08, 0.22, 0.16), Box(-0.11, -0.3, 0.22, 0.16),
                 Box(0.19, -0.05, 0.22, 0.16)});
      break;
    case Glyph::Cover:
      Stroke(p, c, 0.09);
      p.drawRoundedRect(QRectF(-0.48, -0.4, 0.96, 0.8), 0.08, 0.08);
      FillPaths(p, c, {Triangle({-0.36, 0.3}, {-0.06, -0.08}, {0.26, 0.3})});
      p.drawEllipse(QPointF(0.22, -0.16), 0.08, 0.08);
      break;
    case Glyph::Speaker: {
      FillPaths(p, c, {Speaker()});
      Stroke(p, c, 0.08);
      for (qreal r : {0.2, 0.38}) p.drawArc(QRectF(0.02 - r, -r, 2 * r, 2 * r), -45 * 16, 90 * 16);
      break;
    }
    default:
      break;
  }
}

void DrawFilled(QPainter& p, Glyph glyph, const QColor& c) {
  switch (glyph) {
    case Glyph::Play:
      FillPaths(p, c, {Triangle({-0.36, -0.46}, {0.46, 0}, {-0.36, 0.46})});
      break;
    case Glyph::Pause:
      FillPaths(p, c, {Box(-0.38, -0.44, 0.26, 0.88), Box(0.12, -0.44, 0.26, 0.88)});
      break;
    case Glyph::Stop:
      FillPaths(p, c, {Box(-0.38, -0.38, 0.76, 0.76, 0.08)});
      break;
    case Glyph::Prev:
      FillPaths(p, c,
                {Box(-0.46, -0.42, 0.14, 0.84), Triangle({0.46, -0.42}, {-0.3, 0}, {0.46, 0.42})});
      break;
    case Glyph::Next:
      FillPaths(p, c,
                {Box(0.32, -0.42, 0.14, 0.84), Triangle({-0.46, -0.42}, {0.3, 0}, {-0.46, 0.42})});
      break;
    case Glyph::Rewind:
      FillPaths(p, c,
                {Triangle({0.02, -0.38}, {-0.5, 0}, {0.02, 0.38}),
                 Triangle({0.5, -0.38}, {-0.02, 0}, {0.5, 0.38})});
      break;
    case Glyph::Forward:
      FillPaths(p, c,
                {Triangle({-0.02, -0.38}, {0.5, 0}, {-0.02, 0.38}),
                 Triangle({-0.5, -0.38}, {0.02, 0}, {-0.5, 0.38})});
      break;
    case Glyph::PlayPause:
      FillPaths(p, c,
                {Triangle({-0.52, -0.4}, {0.06, 0}, {-0.52, 0.4}), Box(0.16, -0.4, 0.13, 0.8),
                 Box(0.39, -0.4, 0.13, 0.8)});
      break;
    case Glyph::Hide:
      FillPaths(p, c, {Box(-0.38, 0.12, 0.76, 0.16)});
      break;
    case Glyph::PlaylistToggle:
      for (qreal y : {-0.32, 0.0, 0.32})
        FillPaths(p, c, {Box(-0.46, y - 0.07, 0.14, 0.14), Box(-0.22, y - 0.07, 0.68, 0.14)});
      break;
    case Glyph::Open:
      FillPaths(p, c,
                {Triangle({-0.46, 0.06}, {0, -0.42}, {0.46, 0.06}), Box(-0.46, 0.22, 0.92, 0.18)});
      break;
    case Glyph::Prefs:
      FillPaths(p, c, {Gear()});
      break;
    case Glyph::Browser:
      FillPaths(p, c,
                {Box(-0.46, -0.46, 0.4, 0.4, 0.07), Box(0.06, -0.46, 0.4, 0.4, 0.07),
                 Box(-0.46, 0.06, 0.4, 0.4, 0.07), Box(0.06, 0.06, 0.4, 0.4, 0.07)});
      break;
    case Glyph::Minus:
      FillPaths(p, c, {Box(-0.4, -0.07, 0.8, 0.14)});
      break;
    case Glyph::Plus:
      FillPaths(p, c, {Box(-0.4, -0.07, 0.8, 0.14), Box(-0.07, -0.4, 0.14, 0.8)});
      break;
    default:
      DrawStroked(p, glyph, c);
      break;
  }
}

}  // namespace

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, qreal size, const QColor& colour) {
  if (glyph == Glyph::None) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(box.center());
  p.scale(size, size);
  DrawFilled(p, glyph, colour);
  p.restore();
}

}  // namespace kd::skingen
