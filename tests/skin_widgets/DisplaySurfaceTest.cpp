// The back buffer and the bitmap-font displays drawn into it.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/widgets/DisplaySurface.h"

namespace kd {
namespace {

using namespace test;

class DisplaySurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const SkinDocument doc = SmallSkin();
    surface.setBitmaps(doc.mainBitmap, doc.resourceBitmap);
    surface.rebuild(doc.background, QSize(300, 140));
    for (int n = 1; n <= kSkinDisplayCount; ++n) surface.setDisplay(n, doc.displays[n]);
    surface.setAmPmTexts(QStringLiteral("AM"), QStringLiteral("PM"));
    surface.setClock([] { return QTime(21, 7, 45); });
  }
  QRgb at(int x, int y) const { return surface.backBuffer().pixel(x, y); }
  // The digit-strip cell (0-9, 10 blank) drawn at (x, 50) of display 2 or 3.
  int digitAt(int x) const { return qRed(at(x, 50)) / 5; }

  DisplaySurface surface;
};

TEST_F(DisplaySurfaceTest, DigitCellsAreCopiedFromTheResourceBitmap) {
  // Display 2 (format -3, cells 5 x 7 at the resource's origin): 7 shows as
  // two blank cells (cell 10) and the cell of 7.
  const auto drawn = surface.drawDisplay(2, 7.0);
  EXPECT_EQ(drawn.area, QRect(10, 50, 15, 7));
  EXPECT_FALSE(drawn.label9.has_value());
  EXPECT_EQ(at(10, 50), ResourcePixel(50, 0));
  EXPECT_EQ(at(15 + 4, 50 + 6), ResourcePixel(54, 6));
  EXPECT_EQ(at(24, 56), ResourcePixel(39, 6));
  // Nothing around the cells changed.
  EXPECT_EQ(at(25, 50), MainPixel(25, 50));
  EXPECT_EQ(at(10, 57), MainPixel(10, 57));
  surface.drawDisplay(2, 128.0);
  EXPECT_EQ((std::vector{digitAt(10), digitAt(15), digitAt(20)}), (std::vector{1, 2, 8}));
}

TEST_F(DisplaySurfaceTest, TextCellsComeFromTheCharacterGrid) {
  surface.drawDisplay(6, QStringLiteral("A"));
  // "A" (65): row 2, column 1 of the grid at (0, 20); the other seven cells
  // blank (32: row 0, column 0), and nothing beyond the eighth.
  EXPECT_EQ(at(60, 50), ResourcePixel(4, 30));
  EXPECT_EQ(at(63, 54), ResourcePixel(7, 34));
  EXPECT_EQ(at(64, 50), ResourcePixel(0, 20));
  EXPECT_EQ(at(60 + 7 * 4, 50), ResourcePixel(0, 20));
  EXPECT_EQ(at(60 + 8 * 4, 50), MainPixel(92, 50));
}

TEST_F(DisplaySurfaceTest, ATitleTheBitmapFontCannotDrawIsWrittenInARealFont) {
  const auto titleArea = [this](const QString& title) {
    const QRect area = surface.drawDisplay(6, title).area;
    return surface.backBuffer().copy(area);
  };
  const QImage blank = titleArea(QString());
  EXPECT_EQ(titleArea(QStringLiteral("       ")), blank);  // blanks are blank cells
  const QImage chinese = titleArea(QStringLiteral("夜空中"));
  EXPECT_EQ(chinese.size(), blank.size());  // the display's own cells, no more
  EXPECT_NE(chinese, blank);
  // ASCII stays with the bitmap font: the same cells as before.
  EXPECT_EQ(at(60, 50), ResourcePixel(0, 20));
  surface.drawDisplay(6, QStringLiteral("A"));
  EXPECT_EQ(at(60, 50), ResourcePixel(4, 30));
}

TEST_F(DisplaySurfaceTest, DisplaysTheSkinDoesNotShowDrawNothing) {
  const QImage before = surface.backBuffer();
  for (int index : {0, 1, 3, 4, 5, 7}) EXPECT_TRUE(surface.drawDisplay(index, 88.0).area.isEmpty());
  EXPECT_EQ(surface.backBuffer(), before);
}

TEST_F(DisplaySurfaceTest, ClockFormatsShowTheTimeAndFillLabelNine) {
  SkinDisplay clock = *SmallSkin().displays[2];
  clock.def.Format = 1;
  surface.setDisplay(3, clock);
  surface.setTimeFmt(0);
  EXPECT_EQ(surface.drawDisplay(3, 0.0).label9, QStringLiteral("PM"));
  EXPECT_EQ((std::vector{digitAt(10), digitAt(15)}), (std::vector{10, 9}));  // " 9:07"
  surface.setTimeFmt(1);
  EXPECT_EQ(surface.drawDisplay(3, 0.0).label9, QStringLiteral("  "));
  EXPECT_EQ(digitAt(10), 2);  // "21:07"
  clock.def.Format = 2;
  surface.setDisplay(3, clock);
  EXPECT_EQ(surface.drawDisplay(3, 0.0).label9, QStringLiteral("45"));
}

TEST_F(DisplaySurfaceTest, TheTitleScrollsOnlyWhenAskedAndWhenLongerThanTheDisplay) {
  const QString title = QStringLiteral("ABCDEFGHIJ");
  surface.drawDisplay(6, title);
  surface.drawDisplay(6, title);
  EXPECT_EQ(surface.scrollStart(), 1);
  EXPECT_FALSE(surface.scrolls(6, title));
  surface.setScrollName(1);
  EXPECT_TRUE(surface.scrolls(6, title));
  EXPECT_FALSE(surface.scrolls(6, QStringLiteral("short")));
  for (int start = 1; start <= 13; ++start) surface.drawDisplay(6, title);
  // The 13th step showed the text from its 13th character on: the "*" (42: row 0, column 10).
  EXPECT_EQ(at(60, 50), ResourcePixel(10 * 4, 20));
  EXPECT_EQ(surface.scrollStart(), 14);
  // A title that fits the display's cells stops the scroll (where it wraps is
  // in the display text tests).
  surface.drawDisplay(6, QStringLiteral("short"));
  EXPECT_EQ(surface.scrollStart(), 1);
}

}  // namespace
}  // namespace kd
