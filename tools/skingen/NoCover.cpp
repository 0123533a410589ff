#include "NoCover.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Palette.h"

namespace kd::skingen {

using namespace palette;

QImage RenderNoCover(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const qreal s = size;

  QLinearGradient back(0, 0, s, s);
  back.setColorAt(0, QColor(34, 38, 46));
  back.setColorAt(1, QColor(14, 16, 20));
  p.fillRect(image.rect(), back);

  // A record, lit by a soft accent glow from behind.
  const QPointF centre(s * 0.5, s * 0.43);
  const qreal radius = s * 0.3;
  QRadialGradient glow(centre, radius * 1.6);
  glow.setColorAt(0, QColor(64, 190, 255, 70));
  glow.setColorAt(1, QColor(64, 190, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, radius * 1.6, radius * 1.6);

  QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
  disc.setColorAt(0, QColor(40, 44, 52));
  disc.setColorAt(1, QColor(10, 11, 14));
  p.setBrush(disc);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(Qt::NoBrush);
  for (qreal r = radius * 0.42; r < radius * 0.97; r += radius * 0.045) {
    p.setPen(QPen(QColor(255, 255, 255, 12), 1));
    p.drawEllipse(centre, r, r);
  }
  // Light catching the grooves.
  p.setPen(QPen(QColor(255, 255, 255, 40), radius * 0.08, Qt::SolidLine, Qt::RoundCap));
  const QRectF arc(centre.x() - radius * 0.75, centre.y() - radius * 0.75, radius * 1.5,
                   radius * 1.5);
  p.drawArc(arc, 110 * 16, 40 * 16);
  p.drawArc(arc, 290 * 16, 30 * 16);

  QLinearGradient label(centre - QPointF(0, radius * 0.36), centre + QPointF(0, radius * 0.36));
  label.setColorAt(0, kAccent);
  label.setColorAt(1, kAccentDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(label);
  p.drawEllipse(centre, radius * 0.36, radius * 0.36);
  p.setBrush(QColor(14, 16, 20));
  p.drawEllipse(centre, radius * 0.06, radius * 0.06);

  p.setPen(kText);
  p.setFont(UiFont(int(s * 0.075), false));
  p.drawText(QRectF(0, s * 0.76, s, s * 0.1), Qt::AlignCenter, QStringLiteral("暂无封面"));
  QFont small = UiFont(int(s * 0.037), true);
  small.setLetterSpacing(QFont::AbsoluteSpacing, s * 0.012);
  p.setFont(small);
  p.setPen(kTextFaint);
  p.drawText(QRectF(0, s * 0.86, s, s * 0.06), Qt::AlignCenter, QStringLiteral("NO COVER"));
  return image;
}

}  // namespace kd::skingen
