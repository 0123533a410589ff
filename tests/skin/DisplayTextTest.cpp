#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/DisplayText.h"

namespace kd {
namespace {

using test::FilledImage;
using test::PatternImage;
using test::PatternPixel;

// A digit strip at (100, 50): cells 9 wide, 13 high, "." and ":" 4 wide, 1 pixel apart.
DisplayDef DigitStrip(int16_t format) {
  DisplayDef def;
  def.SrcX = 100;
  def.SrcY = 50;
  def.CellWidth = 9;
  def.CellHeight = 13;
  def.NarrowWidth = 4;
  def.FontKind = 0;
  def.Spacing = 1;
  def.Format = format;
  return def;
}

// The digit-strip cell indexes (0-9 digits, 10 blank, 11 ".", 12 ":") drawn.
std::vector<int> DigitCells(const DisplayDef& def, const std::vector<GlyphCell>& cells) {
  std::vector<int> indexes;
  for (const GlyphCell& cell : cells)
    indexes.push_back((cell.source.x() - def.SrcX) / def.CellWidth);
  return indexes;
}

std::vector<int> Shown(int16_t format, double value) {
  const DisplayDef def = DigitStrip(format);
  const DisplayText text = DisplayValueText(format, value);
  return DigitCells(def, LayoutCells(def, text.text, text.zeroFlag));
}

constexpr int kBlank = 10;
constexpr int kColon = 12;

TEST(DisplayText, FixedDigitFormatsBlankEveryLeadingZero) {
  EXPECT_EQ(DisplayValueText(-3, 7).text, QStringLiteral("007"));
  EXPECT_EQ(Shown(-3, 7), (std::vector<int>{kBlank, kBlank, 7}));
  EXPECT_EQ(Shown(-3, 0), (std::vector<int>{kBlank, kBlank, kBlank}));
  EXPECT_EQ(Shown(-6, 128), (std::vector<int>{kBlank, kBlank, kBlank, 1, 2, 8}));
  EXPECT_EQ(Shown(-3, 105), (std::vector<int>{1, 0, 5}));  // zeros after a digit stay
  EXPECT_EQ(DisplayValueText(-2, 2.5).text, QStringLiteral("03"));
  EXPECT_EQ(DisplayValueText(-15, 1).text, QStringLiteral("000000000000001"));
}

TEST(DisplayText, MinutesAndSecondsBlankOnlyAFirstZero) {
  EXPECT_EQ(DisplayValueText(0, 754).text, QStringLiteral("12:34"));
  EXPECT_EQ(Shown(0, 754), (std::vector<int>{1, 2, kColon, 3, 4}));
  EXPECT_EQ(DisplayValueText(0, 65).text, QStringLiteral("01:05"));
  EXPECT_EQ(Shown(0, 65), (std::vector<int>{kBlank, 1, kColon, 0, 5}));
  EXPECT_EQ(Shown(0, 5), (std::vector<int>{kBlank, 0, kColon, 0, 5}));
  EXPECT_EQ(DisplayValueText(0, 6000).text, QStringLiteral("100:00"));
}

TEST(DisplayText, DecimalAndPlainFormats) {
  EXPECT_EQ(DisplayValueText(3, 44.1).text, QStringLiteral("044.1"));
  EXPECT_EQ(Shown(3, 5.5), (std::vector<int>{kBlank, kBlank, 5, 11, 5}));
  EXPECT_EQ(DisplayValueText(4, 1.5).text, QStringLiteral("001.500"));
  EXPECT_EQ(DisplayValueText(7, 128).text, QStringLiteral("128"));
  EXPECT_EQ(DisplayValueText(30, 2.5).text, QStringLiteral("2.5"));
  EXPECT_EQ(DisplayValueText(30, QStringLiteral("Song")).text, QStringLiteral("Song"));
  EXPECT_EQ(DisplayValueText(-3, QStringLiteral("42 kbps")).text, QStringLiteral("042"));
}

TEST(DisplayText, NarrowCellsAndSpacingMoveTheCells) {
  const DisplayDef def = DigitStrip(0);
  const std::vector<GlyphCell> cells = LayoutCells(def, QStringLiteral("12:34"), -1);
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0], (GlyphCell{QRect(109, 50, 9, 13), 0}));
  EXPECT_EQ(cells[1].x, 10);
  EXPECT_EQ(cells[2], (GlyphCell{QRect(100 + 12 * 9, 50, 4, 13), 20}));
  EXPECT_EQ(cells[3].x, 25);
  // Any other character is a blank cell; the whole text is drawn.
  const std::vector<GlyphCell> odd = LayoutCells(def, QStringLiteral("a-9.中"), 1);
  EXPECT_EQ(DigitCells(def, odd), (std::vector<int>{kBlank, kBlank, 9, 11, kBlank}));
}

const QString kAm = QStringLiteral("AM");
const QString kPm = QStringLiteral("PM");

TEST(DisplayText, ClockOnTwelveAndTwentyFourHours) {
  const ClockText twelve = ClockDisplayText(1, QTime(21, 7, 45), 0, kAm, kPm);
  EXPECT_EQ(twelve.text, QStringLiteral("09:07"));
  EXPECT_EQ(twelve.label9, QStringLiteral("PM"));
  EXPECT_EQ(twelve.zeroFlag, 0);
  const DisplayDef def = DigitStrip(1);
  EXPECT_EQ(DigitCells(def, LayoutCells(def, twelve.text, twelve.zeroFlag)),
            (std::vector<int>{kBlank, 9, kColon, 0, 7}));

  const ClockText full = ClockDisplayText(1, QTime(21, 7, 45), 1, kAm, kPm);
  EXPECT_EQ(full.text, QStringLiteral("21:07"));
  EXPECT_EQ(full.label9, QStringLiteral("  "));
  const ClockText morning = ClockDisplayText(1, QTime(9, 5), 1, kAm, kPm);
  EXPECT_EQ(DigitCells(def, LayoutCells(def, morning.text, morning.zeroFlag)),
            (std::vector<int>{0, 9, kColon, 0, 5}));
  EXPECT_EQ(ClockDisplayText(1, QTime(9, 5), 0, kAm, kPm).label9, QStringLiteral("AM"));
  EXPECT_EQ(ClockDisplayText(1, QTime(0, 30), 0, kAm, kPm).text, QStringLiteral("12:30"));
  EXPECT_EQ(ClockDisplayText(1, QTime(12, 0), 0, kAm, kPm).label9, QStringLiteral("PM"));
}

TEST(DisplayText, ClockWithSecondsPutsTheSecondsIntoLabelNine) {
  const ClockText twelve = ClockDisplayText(2, QTime(21, 7, 45), 0, kAm, kPm);
  EXPECT_EQ(twelve.text, QStringLiteral("09:07"));
  EXPECT_EQ(twelve.label9, QStringLiteral("45"));
  const ClockText full = ClockDisplayText(2, QTime(21, 7, 45), 1, kAm, kPm);
  EXPECT_EQ(full.text, QStringLiteral("21:07"));
  EXPECT_EQ(full.label9, QStringLiteral("45"));
  EXPECT_TRUE(IsClockFormat(1));
  EXPECT_TRUE(IsClockFormat(2));
  EXPECT_FALSE(IsClockFormat(0));
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

DisplayDef Grid(int16_t kind, int16_t format) {
  DisplayDef def;
  def.SrcX = 4;
  def.SrcY = 2;
  def.CellWidth = 5;
  def.CellHeight = 7;
  def.FontKind = kind;
  def.Spacing = 2;
  def.Format = format;
  return def;
}

// (row, column) of each cell.
std::vector<std::pair<int, int>> GridCells(const DisplayDef& def, const QString& text) {
  std::vector<std::pair<int, int>> cells;
  for (const GlyphCell& cell : LayoutCells(def, text, 0)) {
    cells.emplace_back((cell.source.y() - def.SrcY) / def.CellHeight,
                       (cell.source.x() - def.SrcX) / def.CellWidth);
  }
  return cells;
}

TEST(DisplayText, CharacterGridsDrawExactlyFormatCells) {
  EXPECT_TRUE(LayoutCells(Grid(1, 0), QStringLiteral("Hello"), 0).empty());
  using Cells = std::vector<std::pair<int, int>>;
  // "A" is code 65: row 65/16 - 2 = 2, column 1; past the text come blanks.
  EXPECT_EQ(GridCells(Grid(1, 3), QStringLiteral("Aa")), (Cells{{2, 1}, {4, 1}, {0, 0}}));
  EXPECT_EQ(GridCells(Grid(1, -2), QStringLiteral("Abc")), (Cells{{2, 1}, {4, 2}}));
  EXPECT_EQ(GridCells(Grid(2, 2), QStringLiteral("az")), (Cells{{2, 1}, {3, 10}}));
  // A Chinese character, a control character and DEL-range code each take one blank cell.
  EXPECT_EQ(GridCells(Grid(1, 4), QStringLiteral("中\t~\u00e9")),
            (Cells{{0, 0}, {0, 0}, {5, 14}, {0, 0}}));
  const std::vector<GlyphCell> cells = LayoutCells(Grid(1, 3), QStringLiteral("abc"), 0);
  EXPECT_EQ(cells[1].x, 7);
  EXPECT_EQ(cells[2].source.size(), QSize(5, 7));
}

TEST(DisplayText, TheLetterFontHasItsOwnCells) {
  using Cells = std::vector<std::pair<int, int>>;
  EXPECT_EQ(GridCells(Grid(3, 5), QStringLiteral("@aZ 7")),
            (Cells{{0, 8}, {0, 0}, {0, 25}, {0, 29}, {1, 7}}));
  EXPECT_EQ(GridCells(Grid(3, 6), QStringLiteral("\"*?:#/")),
            (Cells{{0, 27}, {2, 4}, {2, 3}, {1, 12}, {1, 28}, {1, 21}}));
  // Anything the font cannot place is a blank, as is the space past the text.
  EXPECT_EQ(GridCells(Grid(3, 3), QStringLiteral("$中")), (Cells{{0, 29}, {0, 29}, {0, 29}}));
  EXPECT_TRUE(LayoutCells(Grid(9, 5), QStringLiteral("abc"), 0).empty());
}

TEST(DisplayText, AnchorSizeFollowsTheFormat) {
  DisplayDef def = DigitStrip(0);
  EXPECT_EQ(DisplayAnchorSize(def), QSize(4 * 9 + 4, 13));
  def.Format = 2;
  EXPECT_EQ(DisplayAnchorSize(def).width(), 6 * 9 + 8);
  def.Format = 4;
  EXPECT_EQ(DisplayAnchorSize(def).width(), 6 * 9 + 4);
  def.Format = -5;
  EXPECT_EQ(DisplayAnchorSize(def).width(), 45);
  def.CellWidth = -3;
  EXPECT_EQ(DisplayAnchorSize(def).width(), 0);
}

TEST(DisplayText, PaintCellsCopiesEachCellBesideTheLast) {
  const QImage resource = PatternImage(200, 80);
  QImage target = FilledImage(60, 20, qRgb(1, 1, 1));
  const DisplayDef def = DigitStrip(-2);
  const std::vector<GlyphCell> cells = LayoutCells(def, QStringLiteral("37"), 1);
  PaintCells(target, QPoint(5, 3), resource, cells);
  EXPECT_EQ(target.pixel(5, 3), PatternPixel(100 + 27, 50));
  EXPECT_EQ(target.pixel(13, 15), PatternPixel(100 + 27 + 8, 62));
  EXPECT_EQ(target.pixel(14, 3), qRgb(1, 1, 1));  // the spacing is left alone
  EXPECT_EQ(target.pixel(15, 3), PatternPixel(100 + 63, 50));
  EXPECT_EQ(target.pixel(24, 3), qRgb(1, 1, 1));
  // Cells that reach outside either picture are clipped, not a crash.
  PaintCells(target, QPoint(55, 15), resource, cells);
  PaintCells(target, QPoint(-100000, -5), resource, cells);
  EXPECT_EQ(target.pixel(59, 19), PatternPixel(100 + 27 + 4, 54));
}

}  // namespace
}  // namespace kd
