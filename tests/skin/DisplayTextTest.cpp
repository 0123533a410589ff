#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/DisplayText.h"

namespace kd {
namespace {

using namespace test;

// A digit strip at (100, 50): cells 9 wide, 13 high, "." and ":" 4 wide, 1 pixel apart.
DisplayDef DigitStrip(int16_t format) {
  return DisplayDef{100, 50, 9, 13, 4, 0, 1, format};
}

// What the digit strip draws for a text: its cells as characters, "_" for the blank cell.
std::string Drawn(const QString& text, int zeroFlag) {
  std::string drawn;
  for (const GlyphCell& cell : LayoutCells(DigitStrip(0), text, zeroFlag))
    drawn += "0123456789_.:"[(cell.source.x() - 100) / 9];
  return drawn;
}

// "text drawn" for a value in a format.
std::string Shown(int16_t format, double value) {
  const DisplayText text = DisplayValueText(format, value);
  return text.text.toStdString() + " " + Drawn(text.text, text.zeroFlag);
}

// "text label9 drawn" for the clock formats.
std::string Clock(int16_t format, QTime time, int16_t timeFmt) {
  const ClockText clock =
      ClockDisplayText(format, time, timeFmt, QStringLiteral("AM"), QStringLiteral("PM"));
  return (clock.text + " " + clock.label9 + " ").toStdString() + Drawn(clock.text, clock.zeroFlag);
}

TEST(DisplayText, ValueFormatsAndTheirLeadingZeros) {
  // Fixed digits blank every leading zero, but no zero after a digit; halves round up.
  EXPECT_EQ(Shown(-3, 7), "007 __7");
  EXPECT_EQ(Shown(-3, 0), "000 ___");
  EXPECT_EQ(Shown(-3, 105), "105 105");
  EXPECT_EQ(Shown(-2, 2.5), "03 _3");
  EXPECT_EQ(Shown(-15, 1), "000000000000001 ______________1");
  // Minutes and seconds blank only a first zero.
  EXPECT_EQ(Shown(0, 65), "01:05 _1:05");
  EXPECT_EQ(Shown(0, 5), "00:05 _0:05");
  EXPECT_EQ(Shown(0, 754), "12:34 12:34");
  EXPECT_EQ(Shown(0, 6000), "100:00 100:00");
  EXPECT_EQ(Shown(3, 5.5), "005.5 __5.5");
  EXPECT_EQ(Shown(4, 1.5), "001.500 __1.500");
  EXPECT_EQ(Shown(7, 128), "128 128");
  EXPECT_EQ(Shown(30, 2.5), "2.5 2.5");
  // Text values: numeric formats read the leading number, the others show the text.
  EXPECT_EQ(DisplayValueText(30, QStringLiteral("Song")).text, QStringLiteral("Song"));
  EXPECT_EQ(DisplayValueText(-3, QStringLiteral("42 kbps")).text, QStringLiteral("042"));
}

TEST(DisplayText, NarrowCellsAndSpacingMoveTheCells) {
  const std::vector<GlyphCell> cells = LayoutCells(DigitStrip(0), QStringLiteral("12:34"), -1);
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0], (GlyphCell{QRect(109, 50, 9, 13), 0}));
  EXPECT_EQ(cells[1].x, 10);
  EXPECT_EQ(cells[2], (GlyphCell{QRect(100 + 12 * 9, 50, 4, 13), 20}));
  EXPECT_EQ(cells[3].x, 25);
  // Any other character is a blank cell; the whole text is drawn.
  EXPECT_EQ(Drawn(QStringLiteral("a-9.中"), 1), "__9._");
}

TEST(DisplayText, ClockOnTwelveAndTwentyFourHours) {
  EXPECT_EQ(Clock(1, QTime(21, 7, 45), 0), "09:07 PM _9:07");
  EXPECT_EQ(Clock(1, QTime(21, 7, 45), 1), "21:07    21:07");
  EXPECT_EQ(Clock(1, QTime(9, 5), 1), "09:05    09:05");
  EXPECT_EQ(Clock(1, QTime(9, 5), 0), "09:05 AM _9:05");
  EXPECT_EQ(Clock(1, QTime(0, 30), 0), "12:30 AM 12:30");
  EXPECT_EQ(Clock(1, QTime(12, 0), 0), "12:00 PM 12:00");
  // With seconds, label nine shows the seconds on either clock.
  EXPECT_EQ(Clock(2, QTime(21, 7, 45), 0), "09:07 45 _9:07");
  EXPECT_EQ(Clock(2, QTime(21, 7, 45), 1), "21:07 45 21:07");
  EXPECT_TRUE(IsClockFormat(1) && IsClockFormat(2) && !IsClockFormat(0) && !IsClockFormat(3));
}

TEST(DisplayText, TheTitleScrollsThroughItsLoopAndStopsWhenItFits) {
  const QString title = QStringLiteral("ABCDEFGHIJ");
  const QString loop = title + QStringLiteral("  *  ") + title;
  int16_t start = 1;
  for (int expected = 1; expected <= 14; ++expected) {
    ASSERT_EQ(ScrollTitle(title, 8, start), loop.mid(expected - 1));
  }
  EXPECT_EQ(ScrollTitle(title, 8, start), loop);  // 15 is never used
  EXPECT_EQ(start, 2);
  EXPECT_EQ(ScrollTitle(title, 20, start), title);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(ScrollTitle(title, 10, start), title);  // exactly fitting does not scroll
  start = -5;
  EXPECT_EQ(ScrollTitle(title, 8, start), loop);
}

// "row,column" of each cell a text font draws, from a grid at (4, 2) with 5 x 7 cells.
std::string GridCells(int16_t kind, int16_t format, const QString& text) {
  std::string drawn;
  for (const GlyphCell& cell : LayoutCells(DisplayDef{4, 2, 5, 7, 0, kind, 2, format}, text, 0)) {
    drawn += std::to_string((cell.source.y() - 2) / 7) + "," +
             std::to_string((cell.source.x() - 4) / 5) + " ";
  }
  return drawn;
}

TEST(DisplayText, TextFontsDrawExactlyFormatCells) {
  EXPECT_EQ(GridCells(1, 0, QStringLiteral("Hello")), "");
  // "A" is code 65: row 65/16 - 2 = 2, column 1; past the text come blanks.
  EXPECT_EQ(GridCells(1, 3, QStringLiteral("Aa")), "2,1 4,1 0,0 ");
  EXPECT_EQ(GridCells(1, -2, QStringLiteral("Abc")), "2,1 4,2 ");
  EXPECT_EQ(GridCells(2, 2, QStringLiteral("az")), "2,1 3,10 ");  // the upper-case grid
  // A Chinese character, a control character and DEL-range code each take one blank cell.
  EXPECT_EQ(GridCells(1, 4, QStringLiteral("中\t~\u00e9")), "0,0 0,0 5,14 0,0 ");
  // The letter font has its own cells; what it cannot place is a blank.
  EXPECT_EQ(GridCells(3, 5, QStringLiteral("@aZ 7")), "0,8 0,0 0,25 0,29 1,7 ");
  EXPECT_EQ(GridCells(3, 6, QStringLiteral("\"*?:#/")), "0,27 2,4 2,3 1,12 1,28 1,21 ");
  EXPECT_EQ(GridCells(3, 3, QStringLiteral("$中")), "0,29 0,29 0,29 ");
  EXPECT_EQ(GridCells(9, 5, QStringLiteral("abc")), "");
  const auto cells = LayoutCells(DisplayDef{4, 2, 5, 7, 0, 1, 2, 3}, QStringLiteral("abc"), 0);
  EXPECT_EQ(cells[1].x, 7);
  EXPECT_EQ(cells[2].source.size(), QSize(5, 7));
}

TEST(DisplayText, AnchorSizeFollowsTheFormat) {
  const auto width = [](int16_t format, int16_t cellWidth = 9) {
    DisplayDef def = DigitStrip(format);
    def.CellWidth = cellWidth;
    const QSize size = DisplayAnchorSize(def);
    return size.height() == 13 ? size.width() : -1;
  };
  for (int16_t format : {0, 1, 3}) EXPECT_EQ(width(format), 4 * 9 + 4) << format;
  EXPECT_EQ(width(2), 6 * 9 + 8);
  EXPECT_EQ(width(4), 6 * 9 + 4);
  EXPECT_EQ(width(-5), 45);
  EXPECT_EQ(width(7), 63);
  EXPECT_EQ(width(0, -3), 0);
  EXPECT_EQ(width(-32768, 32767), 32768 * 32767);  // the largest stays in range
}

// Copying the cells pixel by pixel is seen in the skinned window's display tests.
TEST(DisplayText, PaintCellsClipsCellsThatReachOutsideThePicture) {
  const QImage resource = PatternImage(200, 80);
  QImage target = FilledImage(60, 20, qRgb(1, 1, 1));
  const std::vector<GlyphCell> cells = LayoutCells(DigitStrip(-2), QStringLiteral("37"), 1);
  PaintCells(target, QPoint(55, 15), resource, cells);
  PaintCells(target, QPoint(-100000, -5), resource, cells);
  EXPECT_EQ(target.pixel(59, 19), PatternPixel(100 + 27 + 4, 54));
  EXPECT_EQ(target.pixel(54, 19), qRgb(1, 1, 1));
}

}  // namespace
}  // namespace kd
