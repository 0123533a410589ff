#pragma once
// What a bitmap-font display shows, as pure functions: the text of a value by
// the display's format, the scrolling of the title, and the cells to copy
// from the resource bitmap for the three font kinds.
//
// Drawing a display is: text (DisplayValueText or ClockDisplayText), for the
// title optionally ScrollTitle, then LayoutCells, then PaintCells at the
// anchor's top-left corner. Only the cells of the current text are painted;
// nothing clears the display area first.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTime>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/DisplayDef.h"

namespace kd {

struct DisplayText {
  QString text;
  // Leading-zero rule of the digit strip: 0 blanks every leading "0", -1 only
  // a first "0", 1 none.
  int zeroFlag = 0;
};

struct ClockText {
  QString text;    // "hh:mm"
  QString label9;  // the AM/PM designator, the seconds, or blanks
  int zeroFlag = 0;
};

// True for the formats that show the clock (1: hours and minutes, 2: with seconds).
bool IsClockFormat(int16_t format);

// The text of a number by a display format other than the clocks:
//   -15..-1  |format| digits with leading zeros ("007")
//   0        minutes and seconds, both two digits ("12:34", "01:05"; zero flag -1)
//   3        "000.0"      4  "000.000"
//   other    the number as plain text ("7", "2.5")
DisplayText DisplayValueText(int16_t format, double value);
// The same for a text value: the numeric formats read its leading number,
// the others show it as it is.
DisplayText DisplayValueText(int16_t format, const QString& value);

// The clock formats at time `now`: "hh:mm" on a 24-hour clock when `timeFmt`
// is not 0 (zero flag 1), else on a 12-hour clock (zero flag 0). label9 is
// what the AM/PM label shows: with format 1 the designator (`amText` or
// `pmText`, first two characters) or blanks on a 24-hour clock, with format 2
// the seconds.
// The hour a clock shows: 0..23 on a 24-hour clock (`timeFmt` not 0), else 1..12.
int ShownHour(QTime now, int16_t timeFmt);

ClockText ClockDisplayText(int16_t format, QTime now, int16_t timeFmt, const QString& amText,
                           const QString& pmText);

// One step of the scrolling title. A text longer than `width` cells is shown
// from `scrollStart` on within text + "  *  " + text, and `scrollStart`
// moves one on (back to 1 past the length + 4); a text that fits is shown as
// it is and `scrollStart` becomes 1.
QString ScrollTitle(const QString& text, int16_t width, int16_t& scrollStart);

// One cell of a display: the rectangle of the resource bitmap to copy and
// where it goes, as an x offset from the display's anchor (y is the anchor's top).
struct GlyphCell {
  QRect source;
  int x = 0;
  bool operator==(const GlyphCell&) const = default;
};

// The cells for `text` in the display's font kind:
//  digit strip: every character (digits, "." and ":" narrow, anything else a
//    blank cell), with leading zeros blanked by `zeroFlag`;
//  character grids: exactly |Format| cells, codes 32..127 from the 16-column
//    grid, anything else (and past the text's end) a blank;
//  letter font: exactly |Format| cells of the three-row letter font.
// Other font kinds give no cells.
std::vector<GlyphCell> LayoutCells(const DisplayDef& def, const QString& text, int zeroFlag);

// Size of the display's anchor: its cell height, and a width by Format
// (0, 1, 3: four cells and a narrow one; 2: six and two narrow; 4: six and
// one narrow; else |Format| cells).
QSize DisplayAnchorSize(const DisplayDef& def);

// Copies every cell from `resource` into `target` with its top-left corner at
// `origin` + (cell.x, 0), clipped to both pictures.
void PaintCells(QImage& target, QPoint origin, const QImage& resource,
                std::span<const GlyphCell> cells);

}  // namespace kd
