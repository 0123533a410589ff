#include "Preview.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

#include "FacePainter.h"
#include "GlyphSheet.h"
#include "Palette.h"

namespace kd::skingen {

namespace {

constexpr int kMargin = 16;

int PointsToPixels(int points) {
  return int(std::lround(points * 96.0 / 72.0));
}

// Digit strip text drawing with the player's leading-zero rule.
void DrawDigits(QPainter& p, const QImage& res, const GlyphFont& f, QPoint at, const QString& text,
                int zeroFlag) {
  int x = at.x();
  for (QChar c : text) {
    if (c == u'0' && zeroFlag < 1) c = u' ';
    int cell = 10;
    int width = f.cell.width();
    if (c.isDigit()) {
      cell = c.digitValue();
      zeroFlag = 1;
    } else if (c == u'.' || c == u':') {
      cell = c == u'.' ? 11 : 12;
      width = f.narrow;
    }
    if (zeroFlag == -1) zeroFlag = 1;
    p.drawImage(QPoint(x, at.y()), res,
                QRect(f.source + QPoint(cell * f.cell.width(), 0), QSize(width, f.cell.height())));
    x += width;
  }
}

void DrawLetters(QPainter& p, const QImage& res, const GlyphFont& f, QPoint at, const QString& text,
                 int cells) {
  for (int i = 0; i < cells; ++i) {
    const QChar c = i < text.size() ? text.at(i) : QChar(u' ');
    const QPoint cell = LetterCell(c);
    p.drawImage(
        at + QPoint(i * f.cell.width(), 0), res,
        QRect(f.source + QPoint(cell.x() * f.cell.width(), cell.y() * f.cell.height()), f.cell));
  }
}

void DrawLight(QPainter& p, const LightSpec& light) {
  p.setPen(Qt::NoPen);
  p.setBrush(light.colour);
  p.drawPath(LightPath(light));
}

void DrawLabels(QPainter& p, const SkinLayout& l) {
  for (const LabelSpec& s : l.labels) {
    QFont font(s.font);
    font.setPixelSize(PointsToPixels(s.size));
    p.setFont(font);
    p.setPen(s.colour);
    // The time label is the one the player aligns to the right.
    const Qt::Alignment align = s.index == 1 ? Qt::AlignRight : Qt::AlignLeft;
    p.drawText(s.rect, int(align | Qt::AlignVCenter), s.sample);
  }
}

void DrawPlaylist(QPainter& p, const PlaylistSpec& box) {
  QFont font(box.font);
  font.setPixelSize(PointsToPixels(box.size));
  p.setFont(font);
  const QStringList entries = {"01 夜空中最亮的星", "02 Kavoro Band - Night Drive", "03 平凡之路",
                               "04 Sunrise (Live)", "05 [FILE NOT FOUND] lost.mp3"};
  const int row = PointsToPixels(box.size) + 6;
  for (int i = 0; i < entries.size(); ++i) {
    const QRect line(box.rect.left(), box.rect.top() + 2 + i * row, box.rect.width(), row);
    if (i == 1) p.fillRect(line, QColor(40, 90, 140));
    p.setPen(box.text);
    p.drawText(line.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, entries.at(i));
  }
}

void PlaceKnob(QPainter& p, const QImage& res, const SliderSpec& s, double value) {
  if (s.style == KnobStyle::Bar) {
    const int width = int(value * s.travel);
    p.drawImage(s.origin, res, QRect(s.source, QSize(width, s.knob.height())));
    return;
  }
  p.drawImage(s.origin + QPoint(int(value * s.travel), 0), res, QRect(s.source, s.knob));
}

// The face as the player shows it with a track playing.
QImage LiveFace(const SkinLayout& l, const QImage& main, const QImage& res, const QImage& cover) {
  QImage image = main.convertToFormat(QImage::Format_ARGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.drawImage(l.cover.rect, cover);
  for (const DisplaySpec& d : l.displays) {
    const GlyphFont& f = l.font(d.font);
    switch (d.index) {
      case 1:
        DrawDigits(p, res, f, d.pos, "03:25", -1);
        break;
      case 2:
        DrawDigits(p, res, f, d.pos, "007", 0);
        break;
      case 3:
        DrawDigits(p, res, f, d.pos, "09:07", 0);
        break;
      case 4:
        DrawDigits(p, res, f, d.pos, "128", 0);
        break;
      case 5:
        DrawDigits(p, res, f, d.pos, "44", 0);
        break;
      case 6:
        DrawLetters(p, res, f, d.pos, "NIGHT DRIVE - KAVORO BAND", d.format);
        break;
    }
  }
  const double values[] = {0, 0.32, 0.75, 0.5, 0.75, 0.5};
  for (const SliderSpec& s : l.sliders) PlaceKnob(p, res, s, values[s.index]);
  // Playing, with repeat and shuffle on.
  const QList<int> lit = {2, 4, 7, 13, 9, 10};
  for (const LightSpec& light : l.lights)
    if (lit.contains(light.index)) DrawLight(p, light);
  DrawLabels(p, l);
  DrawPlaylist(p, l.playlist);
  return image;
}

// Every button shows its pressed image, copied from where the skin file says.
QImage PressedFace(const SkinLayout& l, const QImage& main, const QImage& res) {
  QImage image = main.convertToFormat(QImage::Format_ARGB32);
  QPainter p(&image);
  for (const ButtonSpec& b : l.buttons)
    p.drawImage(b.rect.topLeft(), res, QRect(b.pressed, b.rect.size()));
  return image;
}

// Cuts the window outline out of a face: outside it the preview is transparent.
QImage Shaped(const SkinLayout& l, const QImage& face) {
  QImage shaped(face.size(), QImage::Format_ARGB32);
  shaped.fill(Qt::transparent);
  QPainter p(&shaped);
  p.setClipRegion(QRegion(QPolygon(l.outline)));
  p.drawImage(0, 0, face);
  return shaped;
}

void Caption(QPainter& p, QPoint at, const QString& text) {
  p.setPen(QColor(60, 64, 72));
  p.setFont(palette::UiFont(13, true));
  p.drawText(at, text);
}

}  // namespace

QImage RenderPreview(const SkinLayout& l, const QImage& main, const QImage& res,
                     const QImage& cover) {
  const QImage live = Shaped(l, LiveFace(l, main, res, cover));
  const QImage pressed = Shaped(l, PressedFace(l, main, res));
  const int top = kMargin + 20;
  const int width = kMargin * 4 + live.width() * 2 + res.width();
  const int height = top + std::max(live.height(), res.height()) + kMargin + 20 + l.strip.height() +
                     l.noPlaylist.height() + kMargin * 2;
  QImage sheet(width, height, QImage::Format_ARGB32);
  sheet.fill(QColor(214, 218, 224));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  int x = kMargin;
  Caption(p, {x, kMargin + 12}, "正在播放 Playing");
  p.drawImage(x, top, live);
  x += live.width() + kMargin;
  Caption(p, {x, kMargin + 12}, "按下/悬停 Pressed images");
  p.drawImage(x, top, pressed);
  x += pressed.width() + kMargin;
  Caption(p, {x, kMargin + 12}, "资源位图 Resource bitmap");
  p.drawImage(x, top, res);

  // The two smaller window sizes show the top-left part of the same face.
  int y = top + live.height() + kMargin + 20;
  Caption(p, {kMargin, y - 6}, "迷你 Mini / 无列表 Without playlist");
  p.drawImage(QPoint(kMargin, y), live, QRect(QPoint(0, 0), l.strip));
  y += l.strip.height() + kMargin;
  p.drawImage(QPoint(kMargin, y), live, QRect(QPoint(0, 0), l.noPlaylist));
  return sheet;
}

}  // namespace kd::skingen
