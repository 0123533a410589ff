#include "GlyphSheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Palette.h"

namespace kd::skingen {

namespace {

constexpr int kLetterColumns = 30;

// The character drawn in a cell of the letter font, or a null character.
QChar LetterAt(int column, int row) {
  if (row == 0) {
    if (column < 26) return QChar(u'A' + column);
    if (column == 27) return u'"';
  } else if (row == 1) {
    if (column < 10) return QChar(u'0' + column);
    if (column >= 12 && column < 12 + kLetterPunctuation.size())
      return kLetterPunctuation.at(column - 12);
  } else if (row == 2) {
    if (column == 3) return u'?';
    if (column == 4) return u'*';
  }
  return QChar();
}

// Digits are drawn as outlines scaled into the cell: the face's own digits
// are wider than the cells, and outlines scale without losing their shape.
class DigitOutlines {
 public:
  DigitOutlines(const QFont& font, const QSizeF& box) : m_font(font), m_box(box) {
    QRectF all;
    for (char d = '0'; d <= '9'; ++d) all |= outline(QChar(d)).boundingRect();
    m_top = all.top();
    m_scaleY = box.height() / all.height();
    m_scaleX = std::min(m_scaleY * 0.92, box.width() / all.width());
  }

  // Draws `c` centred horizontally in `cell`, on the digits' common baseline.
  void draw(QPainter& p, QChar c, const QRectF& cell) const {
    const QPainterPath path = outline(c);
    const QRectF bounds = path.boundingRect();
    QTransform t;
    const qreal top = cell.top() + (cell.height() - m_box.height()) / 2;
    t.translate(cell.center().x(), top);
    t.scale(m_scaleX, m_scaleY);
    t.translate(-bounds.center().x(), -m_top);
    p.drawPath(t.map(path));
  }

 private:
  QPainterPath outline(QChar c) const {
    QPainterPath path;
    path.addText(0, 0, m_font, QString(c));
    return path;
  }

  QFont m_font;
  QSizeF m_box;
  qreal m_top = 0;
  qreal m_scaleX = 1;
  qreal m_scaleY = 1;
};

QImage DigitStrip(const GlyphFont& f) {
  QImage image(f.sheetSize(), QImage::Format_RGB32);
  image.fill(f.paper);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(f.ink);
  const QSizeF box(f.cell.width() - 2.0, f.cell.height() * 0.78);
  const QFont face = palette::GlyphFace(64, true);
  DigitOutlines digits(face, box);
  for (int k = 0; k < 10; ++k) {
    const QRectF cell(k * f.cell.width(), 0, f.cell.width(), f.cell.height());
    digits.draw(p, QChar(u'0' + k), cell);
  }
  // "." and ":" live in the left part of their cells, as wide as the narrow width.
  const qreal dot = std::max(1.6, f.cell.height() / 9.0);
  const qreal left = (f.narrow - dot) / 2;
  const qreal base = (f.cell.height() + box.height()) / 2;
  p.drawRoundedRect(QRectF(11 * f.cell.width() + left, base - dot, dot, dot), dot / 4, dot / 4);
  const qreal colonX = 12 * f.cell.width() + left;
  p.drawRoundedRect(QRectF(colonX, base - dot - box.height() * 0.18, dot, dot), dot / 4, dot / 4);
  p.drawRoundedRect(QRectF(colonX, base - box.height() * 0.62, dot, dot), dot / 4, dot / 4);
  return image;
}

QImage LetterSheet(const GlyphFont& f) {
  QImage image(f.sheetSize(), QImage::Format_RGB32);
  image.fill(f.paper);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  QFont face;
  face.setFamilies(
      {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("WenQuanYi Micro Hei Mono")});
  face.setPixelSize(f.cell.height() - 1);
  face.setBold(true);
  face.setHintingPreference(QFont::PreferFullHinting);
  face.setStretch(92);
  p.setFont(face);
  p.setPen(f.ink);
  const QFontMetricsF metrics(face);
  // Capitals sit on a baseline that centres them in the cell.
  const qreal capHeight = metrics.capHeight();
  const qreal baseline = std::round((f.cell.height() + capHeight) / 2.0);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < kLetterColumns; ++column) {
      const QChar c = LetterAt(column, row);
      if (c.isNull()) continue;
      const QRect cell(column * f.cell.width(), row * f.cell.height(), f.cell.width(),
                       f.cell.height());
      const qreal advance = metrics.horizontalAdvance(c);
      const qreal x = std::round(cell.left() + (cell.width() - advance) / 2.0);
      p.save();
      p.setClipRect(cell);
      p.drawText(QPointF(x, cell.top() + baseline), QString(c));
      p.restore();
    }
  }
  return image;
}

}  // namespace

QPoint LetterCell(QChar c) {
  const char16_t u = c.toUpper().unicode();
  if (u == u' ') return {29, 0};
  if (u == u'"') return {27, 0};
  if (u == u'*') return {4, 2};
  if (u == u'?') return {3, 2};
  if (u == u'@') return {8, 0};
  if (u >= u'0' && u <= u'9') return {int(u - u'0'), 1};
  if (u >= u'A' && u <= u'Z') return {int(u - u'A'), 0};
  const qsizetype p = kLetterPunctuation.indexOf(QChar(u));
  if (p < 0) return {29, 0};
  return {int(p) + 12, 1};
}

QImage RenderGlyphFont(const GlyphFont& font) {
  return font.kind == 3 ? LetterSheet(font) : DigitStrip(font);
}

}  // namespace kd::skingen
