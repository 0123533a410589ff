#include "skin/widgets/DisplaySurface.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "skin/BlockCopy.h"
#include "skin/DisplayText.h"
#include "skin/SkinView.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// Cells are copied as plain pixels; one conversion here spares one per cell.
QImage Opaque32(const QImage& picture) {
  if (picture.isNull() || picture.format() == QImage::Format_RGB32) return picture;
  return picture.convertToFormat(QImage::Format_RGB32);
}

DisplayText TextOf(int16_t format, double value) {
  return DisplayValueText(format, value);
}

DisplayText TextOf(int16_t format, const QString& value) {
  return DisplayValueText(format, value);
}

// Whether a title needs more than a bitmap font has: characters past ASCII
// (Chinese, accented letters ...), which every text font draws as blanks.
bool HasCharactersPastAscii(const QString& text) {
  return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 127; });
}

// The colour of a text font's letters: the pixel of its "A" cell that
// differs most from its blank cell.
QColor FontInkColour(const QImage& resource, const DisplayDef& def) {
  const bool letters = def.FontKind == int16_t(FontKind::LetterFont);
  // "A" and the blank: row 0 columns 0 and 29 of the letter font; codes 65
  // and 32 of the character grid.
  const QPoint a = letters ? QPoint(0, 0) : QPoint(1 * def.CellWidth, 2 * def.CellHeight);
  const QPoint blank = letters ? QPoint(29 * def.CellWidth, 0) : QPoint(0, 0);
  const QPoint origin(def.SrcX, def.SrcY);
  const QRect bounds = resource.rect();
  const QPoint blankPixel = origin + blank;
  const QRgb background = bounds.contains(blankPixel) ? resource.pixel(blankPixel) : qRgb(0, 0, 0);
  QRgb ink = qRgb(255 - qRed(background), 255 - qGreen(background), 255 - qBlue(background));
  int farthest = -1;
  for (int y = 0; y < def.CellHeight; ++y) {
    for (int x = 0; x < def.CellWidth; ++x) {
      const QPoint p = origin + a + QPoint(x, y);
      if (!bounds.contains(p)) continue;
      const QRgb c = resource.pixel(p);
      const int distance = std::abs(qRed(c) - qRed(background)) +
                           std::abs(qGreen(c) - qGreen(background)) +
                           std::abs(qBlue(c) - qBlue(background));
      if (distance > farthest) {
        farthest = distance;
        ink = c;
      }
    }
  }
  return QColor::fromRgb(ink);
}

}  // namespace

DisplaySurface::DisplaySurface() {
  const QLocale locale = QLocale::system();
  m_am = locale.amText();
  m_pm = locale.pmText();
}

void DisplaySurface::setBitmaps(const QImage& windowBitmap, const QImage& resource) {
  if (!windowBitmap.isNull()) m_windowBitmap = windowBitmap;
  if (!resource.isNull()) m_resource = Opaque32(resource);
}

void DisplaySurface::rebuild(QRgb background, QSize area) {
  const QSize bitmap = m_windowBitmap.size();
  const int width = std::clamp(std::max(area.width(), bitmap.width()), 1, kMaxSide);
  const int height = std::clamp(std::max(area.height(), bitmap.height()), 1, kMaxSide);
  m_back = QImage(width, height, QImage::Format_RGB32);
  if (m_back.isNull()) return;  // out of memory: nothing is drawn
  m_back.fill(QColor::fromRgb(background));
  if (!m_windowBitmap.isNull()) {
    QPainter painter(&m_back);
    painter.drawImage(0, 0, m_windowBitmap);
  }
}

void DisplaySurface::setDisplay(int index, const std::optional<SkinDisplay>& display) {
  if (index < 1 || index > kSkinDisplayCount) return;
  m_displays[size_t(index)] = display;
}

bool DisplaySurface::isDisplayShown(int index) const {
  return index >= 1 && index <= kSkinDisplayCount && m_displays[size_t(index)].has_value();
}

void DisplaySurface::setAmPmTexts(const QString& am, const QString& pm) {
  m_am = am;
  m_pm = pm;
}

QRect DisplaySurface::drawBlock(const QRect& source, QPoint target) {
  if (CopyBlock(m_resource, source, m_back, target) == 0) return {};
  return QRect(target, source.size()) & m_back.rect();
}

DisplaySurface::Drawn DisplaySurface::drawDisplay(int index, double value) {
  return draw(index, value);
}

DisplaySurface::Drawn DisplaySurface::drawDisplay(int index, const QString& value) {
  return draw(index, value);
}

template <typename Value>
DisplaySurface::Drawn DisplaySurface::draw(int index, const Value& value) {
  Drawn drawn;
  if (!isDisplayShown(index)) return drawn;
  const SkinDisplay& display = *m_displays[size_t(index)];
  const DisplayDef& def = display.def;

  DisplayText text;
  if (IsClockFormat(def.Format)) {
    // The clock formats show the time of day whatever the value is.
    const ClockText clock = ClockDisplayText(def.Format, now(), m_timeFmt, m_am, m_pm);
    text = {clock.text, clock.zeroFlag};
    drawn.label9 = clock.label9;
  } else {
    text = TextOf(def.Format, value);
  }
  if (m_scrollName == 1 && index == kDisplayTitle) {
    text.text = ScrollTitle(text.text, def.Format, m_scrollStart);
  }

  // A title in a script the bitmap font lacks is written over blank cells
  // in a real font, so it can be read; it scrolls all the same.
  const bool written = index == kDisplayTitle && def.FontKind != int16_t(FontKind::DigitStrip) &&
                       HasCharactersPastAscii(text.text);
  const QString cellText = written ? QString() : text.text;
  const std::vector<GlyphCell> cells = LayoutCells(def, cellText, text.zeroFlag);
  if (cells.empty() || m_back.isNull()) return drawn;
  const QPoint origin = display.anchor.topLeft();
  PaintCells(m_back, origin, m_resource, cells);
  QRect area;
  for (const GlyphCell& cell : cells) {
    area |= QRect(origin + QPoint(cell.x, 0), cell.source.size());
  }
  drawn.area = area.intersected(m_back.rect());
  if (written) writeTitle(drawn.area, def, text.text);
  return drawn;
}

void DisplaySurface::writeTitle(QRect area, const DisplayDef& def, const QString& text) {
  if (area.isEmpty()) return;
  QPainter painter(&m_back);
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font;
  font.setPixelSize(std::max<int>(def.CellHeight, 8));
  painter.setFont(font);
  painter.setPen(FontInkColour(m_resource, def));
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

bool DisplaySurface::scrolls(int index, const QString& text) const {
  if (m_scrollName != 1 || index != kDisplayTitle || !isDisplayShown(index)) return false;
  const DisplayDef& def = m_displays[size_t(index)]->def;
  if (IsClockFormat(def.Format)) return false;
  return DisplayValueText(def.Format, text).text.size() > def.Format;
}

}  // namespace kd
