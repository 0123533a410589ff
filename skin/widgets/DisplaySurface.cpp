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

  const std::vector<GlyphCell> cells = LayoutCells(def, text.text, text.zeroFlag);
  if (cells.empty() || m_back.isNull()) return drawn;
  const QPoint origin = display.anchor.topLeft();
  PaintCells(m_back, origin, m_resource, cells);
  QRect area;
  for (const GlyphCell& cell : cells) {
    area |= QRect(origin + QPoint(cell.x, 0), cell.source.size());
  }
  drawn.area = area.intersected(m_back.rect());
  return drawn;
}

bool DisplaySurface::scrolls(int index, const QString& text) const {
  if (m_scrollName != 1 || index != kDisplayTitle || !isDisplayShown(index)) return false;
  const DisplayDef& def = m_displays[size_t(index)]->def;
  if (IsClockFormat(def.Format)) return false;
  return DisplayValueText(def.Format, text).text.size() > def.Format;
}

}  // namespace kd
