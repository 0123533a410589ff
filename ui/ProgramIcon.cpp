#include "ui/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace kd {

namespace {

// The default skin's body, screen and accent colours.
const QColor kBodyTop{44, 48, 56};
const QColor kBodyBottom{23, 25, 30};
const QColor kEdge{7, 8, 10};
const QColor kAccent{64, 190, 255};
const QColor kAccentDeep{40, 120, 230};
const QColor kScreen{10, 13, 17};

}  // namespace

QImage PaintProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;

  // The tile.
  const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
  QLinearGradient body(tile.topLeft(), tile.bottomLeft());
  body.setColorAt(0.0, kBodyTop);
  body.setColorAt(1.0, kBodyBottom);
  p.setPen(QPen(kEdge, std::max(1.0, s / 32.0)));
  p.setBrush(body);
  p.drawRoundedRect(tile, s * 0.2, s * 0.2);

  // The disc: a sky-blue ring round a dark screen.
  const QPointF centre(s / 2.0, s / 2.0);
  QRadialGradient ring(centre, s * 0.36);
  ring.setColorAt(0.0, kAccent);
  ring.setColorAt(1.0, kAccentDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(ring);
  p.drawEllipse(centre, s * 0.34, s * 0.34);
  p.setBrush(kScreen);
  p.drawEllipse(centre, s * 0.25, s * 0.25);

  // The play mark.
  QPainterPath play;
  play.moveTo(s * 0.43, s * 0.36);
  play.lineTo(s * 0.63, s * 0.5);
  play.lineTo(s * 0.43, s * 0.64);
  play.closeSubpath();
  p.setBrush(kAccent);
  p.drawPath(play);
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kProgramIconSizes)
    icon.addPixmap(QPixmap::fromImage(PaintProgramIcon(size)));
  return icon;
}

}  // namespace kd
