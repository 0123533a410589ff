#pragma once
// The window's back buffer: the skin's window bitmap over its background
// colour, with every bitmap-font display cell painted on top. Displays are
// drawn into it cell by cell from the resource bitmap; the window's paint
// event only copies from it, so a repaint never redraws (or scrolls) a display.

#include <QImage>
#include <QRect>
#include <QString>
#include <QTime>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "skin/DisplayDef.h"
#include "skin/SkinDocument.h"

namespace kd {

class DisplaySurface {
 public:
  // Largest side of the back buffer; a skin cannot make it cost more.
  static constexpr int kMaxSide = 8192;

  struct Drawn {
    QRect area;                     // the back-buffer pixels that changed
    std::optional<QString> label9;  // the clock displays' text for label 9
  };

  DisplaySurface();

  // A new window picture and resource bitmap; a null picture keeps the old one.
  void setBitmaps(const QImage& windowBitmap, const QImage& resource);
  const QImage& windowBitmap() const { return m_windowBitmap; }
  const QImage& resourceBitmap() const { return m_resource; }
  // Makes the back buffer `area` (at least the window bitmap's size) of
  // `background` with the window bitmap at the top-left corner. Displays
  // already drawn are gone until drawn again.
  void rebuild(QRgb background, QSize area);
  const QImage& backBuffer() const { return m_back; }

  // Display `index` (1..6) as the skin defines it; nullopt: not shown.
  void setDisplay(int index, const std::optional<SkinDisplay>& display);
  bool isDisplayShown(int index) const;

  // Draws display `index` with a number or a text by its format (see
  // skin/DisplayText.h); a display that is not shown draws nothing.
  Drawn drawDisplay(int index, double value);
  Drawn drawDisplay(int index, const QString& value);

  // Copies the `source` block of the resource bitmap into the back buffer at
  // `target`; the back-buffer area that changed.
  QRect drawBlock(const QRect& source, QPoint target);

  // Whether display `index` shows `text` scrolling: it is the title display,
  // scrolling is on and the text is longer than the display.
  bool scrolls(int index, const QString& text) const;

  // Settings the displays read: TimeFmt (0 = 12-hour clock) and ScrollName
  // (1 = the title scrolls).
  void setTimeFmt(int16_t timeFmt) { m_timeFmt = timeFmt; }
  int16_t timeFmt() const { return m_timeFmt; }
  void setScrollName(int16_t scrollName) { m_scrollName = scrollName; }
  // The start of the scrolling title (1-based).
  int16_t scrollStart() const { return m_scrollStart; }

  // The time the clock formats show (the local time unless a test sets one)
  // and the designators of the 12-hour clock (the system's by default).
  void setClock(std::function<QTime()> clock) { m_clock = std::move(clock); }
  QTime now() const { return m_clock ? m_clock() : QTime::currentTime(); }
  void setAmPmTexts(const QString& am, const QString& pm);
  const QString& amText() const { return m_am; }
  const QString& pmText() const { return m_pm; }

 private:
  template <typename Value>
  Drawn draw(int index, const Value& value);
  // Writes `text` in a real font over the blank cells of the title display.
  void writeTitle(QRect area, const DisplayDef& def, const QString& text);

  QImage m_windowBitmap;
  QImage m_resource;
  QImage m_back;
  std::array<std::optional<SkinDisplay>, kSkinDisplayCount + 1> m_displays;
  int16_t m_timeFmt = 0;
  int16_t m_scrollName = 0;
  int16_t m_scrollStart = 1;
  std::function<QTime()> m_clock;
  QString m_am;
  QString m_pm;
};

}  // namespace kd
