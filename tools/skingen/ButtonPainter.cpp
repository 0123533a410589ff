#include "ButtonPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Icons.h"
#include "Palette.h"

namespace kd::skingen {

namespace {

using namespace palette;

QRectF Inner(const QRect& r) {
  return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// A raised rounded tile: gradient body, dark edge, a highlight along the top.
void Tile(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
          const QColor& edge) {
  p.setPen(QPen(edge, 1));
  p.setBrush(Vertical(r, top, bottom));
  p.drawRoundedRect(r, radius, radius);
  p.setPen(QPen(QColor(255, 255, 255, 28), 1));
  p.setBrush(Qt::NoBrush);
  const QRectF inner = r.adjusted(1, 1, -1, -1);
  p.drawLine(QPointF(inner.left() + radius * 0.6, inner.top()),
             QPointF(inner.right() - radius * 0.6, inner.top()));
}

void PaintText(QPainter& p, const QRect& r, const QString& text, const QColor& colour, int px,
               bool bold) {
  p.setPen(colour);
  p.setFont(UiFont(px, bold));
  p.drawText(r, Qt::AlignCenter, text);
}

void Transport(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  if (lit) {
    Tile(p, r, 6, QColor(70, 78, 92), QColor(50, 56, 66), kAccent.darker(130));
    DrawGlyph(p, b.glyph, r, 11, kAccent);
  } else {
    Tile(p, r, 6, kButtonTop, kButtonBottom, kButtonEdge);
    DrawGlyph(p, b.glyph, r, 11, kIcon);
  }
}

void Hero(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  // A dark ring seats the button in the face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(r);
  const QRectF disc = r.adjusted(3, 3, -3, -3);
  QLinearGradient g = Vertical(disc, lit ? QColor(120, 214, 255) : kAccent,
                               lit ? QColor(64, 150, 245) : kAccentDeep);
  p.setBrush(g);
  p.setPen(QPen(lit ? QColor(190, 235, 255) : QColor(20, 70, 140), 1));
  p.drawEllipse(disc);
  // A soft sheen over the upper half.
  QRadialGradient sheen(disc.center() - QPointF(0, disc.height() * 0.3), disc.width() * 0.55);
  sheen.setColorAt(0, QColor(255, 255, 255, lit ? 70 : 50));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawEllipse(disc);
  DrawGlyph(p, b.glyph, disc.translated(1, 0), 15, lit ? QColor(255, 255, 255) : kScreen);
}

void Round(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  p.setPen(QPen(lit ? kAccent.darker(130) : kButtonEdge, 1));
  p.setBrush(
      Vertical(r, lit ? QColor(70, 78, 92) : kButtonTop, lit ? QColor(50, 56, 66) : kButtonBottom));
  p.drawEllipse(r);
  DrawGlyph(p, b.glyph, r, 11, lit ? kAccent : kIcon);
}

void Toggle(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  const qreal radius = r.height() / 2;
  if (lit) {
    p.setPen(QPen(kAccent, 1));
    p.setBrush(Vertical(r, QColor(40, 80, 110), QColor(28, 56, 80)));
  } else {
    p.setPen(QPen(kButtonEdge, 1));
    p.setBrush(Vertical(r, QColor(48, 53, 62), QColor(38, 42, 49)));
  }
  p.drawRoundedRect(r, radius, radius);
  PaintText(p, b.rect.adjusted(0, 0, 0, -1), b.text, lit ? QColor(230, 246, 255) : kTextDim, 11,
            false);
}

void Utility(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  p.setPen(QPen(lit ? QColor(64, 190, 255, 140) : QColor(0, 0, 0, 70), 1));
  p.setBrush(lit ? QColor(64, 190, 255, 45) : QColor(255, 255, 255, 12));
  p.drawRoundedRect(r, 4, 4);
  DrawGlyph(p, b.glyph, r, 11, lit ? kAccent : kTextDim);
}

void Window(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  const bool close = b.style == ButtonStyle::WindowClose;
  QColor fill = QColor(255, 255, 255, 14);
  if (lit) fill = close ? kCloseRed : QColor(64, 190, 255, 70);
  p.setPen(QPen(QColor(0, 0, 0, 80), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r, 3, 3);
  DrawGlyph(p, b.glyph, r, 8, lit ? QColor(255, 255, 255) : kTextDim);
}

void Step(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  if (lit) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 190, 255, 40));
    p.drawRoundedRect(r, 4, 4);
  }
  const qreal size = b.glyph == Glyph::Speaker ? 12 : 8;
  DrawGlyph(p, b.glyph, r, size, lit ? kAccent : kTextDim);
}

void ListAction(QPainter& p, const ButtonSpec& b, bool lit) {
  const QRectF r = Inner(b.rect);
  if (lit) {
    p.setPen(QPen(kAccent, 1));
    p.setBrush(QColor(64, 190, 255, 40));
  } else {
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Vertical(r, QColor(44, 48, 56), QColor(36, 39, 46)));
  }
  p.drawRoundedRect(r, 4, 4);
  PaintText(p, b.rect.adjusted(0, 0, 0, -1), b.text, lit ? QColor(230, 246, 255) : kTextDim, 11,
            false);
}

}  // namespace

void PaintButton(QPainter& p, const ButtonSpec& b, bool lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  switch (b.style) {
    case ButtonStyle::Transport:
      Transport(p, b, lit);
      break;
    case ButtonStyle::Hero:
      Hero(p, b, lit);
      break;
    case ButtonStyle::Round:
      Round(p, b, lit);
      break;
    case ButtonStyle::Toggle:
      Toggle(p, b, lit);
      break;
    case ButtonStyle::Utility:
      Utility(p, b, lit);
      break;
    case ButtonStyle::Window:
    case ButtonStyle::WindowClose:
      Window(p, b, lit);
      break;
    case ButtonStyle::Step:
      Step(p, b, lit);
      break;
    case ButtonStyle::ListAction:
      ListAction(p, b, lit);
      break;
  }
  p.restore();
}

}  // namespace kd::skingen
