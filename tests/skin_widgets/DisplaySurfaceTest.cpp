// The back buffer and the bitmap-font displays drawn into it.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/widgets/DisplaySurface.h"

namespace kd {
namespace {

using test::MainPixel;
using test::ResourcePixel;

class DisplaySurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const SkinDocument doc = test::SmallSkin();
    surface.setBitmaps(doc.mainBitmap, doc.resourceBitmap);
    surface.rebuild(doc.background, QSize(300, 140));
    for (int n = 1; n <= kSkinDisplayCount; ++n) surface.setDisplay(n, doc.displays[n]);
    surface.setAmPmTexts(QStringLiteral("AM"), QStringLiteral("PM"));
    surface.setClock([this] { return now; });
  }
  QRgb at(int x, int y) const { return surface.backBuffer().pixel(x, y); }

  DisplaySurface surface;
  QTime now{21, 7, 45};
};

TEST_F(DisplaySurfaceTest, BackBufferHoldsTheBitmapOverTheBackground) {
  EXPECT_EQ(surface.backBuffer().size(), QSize(300, 140));
  EXPECT_EQ(at(5, 5), MainPixel(5, 5));
  EXPECT_EQ(at(255, 127), MainPixel(255, 127));
  // Beyond the bitmap the window's background colour shows.
  EXPECT_EQ(at(280, 10), qRgb(1, 2, 3));
  EXPECT_EQ(at(10, 130), qRgb(1, 2, 3));
}

TEST_F(DisplaySurfaceTest, DigitCellsAreCopiedFromTheResourceBitmap) {
  // Display 2 (format -3, cells 5 x 7 at the resource's origin): 7 shows as
  // two blank cells (cell 10) and the cell of 7.
  const auto drawn = surface.SetDD(2, 7.0);
  EXPECT_EQ(drawn.area, QRect(10, 50, 15, 7));
  EXPECT_FALSE(drawn.label9.has_value());
  EXPECT_EQ(at(10, 50), ResourcePixel(50, 0));
  EXPECT_EQ(at(15 + 4, 50 + 6), ResourcePixel(54, 6));
  EXPECT_EQ(at(20, 50), ResourcePixel(35, 0));
  EXPECT_EQ(at(24, 56), ResourcePixel(39, 6));
  // Nothing around the cells changed.
  EXPECT_EQ(at(25, 50), MainPixel(25, 50));
  EXPECT_EQ(at(10, 57), MainPixel(10, 57));

  surface.SetDD(2, 128.0);
  EXPECT_EQ(at(10, 50), ResourcePixel(5, 0));   // "1"
  EXPECT_EQ(at(15, 50), ResourcePixel(10, 0));  // "2"
  EXPECT_EQ(at(20, 50), ResourcePixel(40, 0));  // "8"
}

TEST_F(DisplaySurfaceTest, TextCellsComeFromTheCharacterGrid) {
  surface.SetDD(6, QStringLiteral("A"));
  // "A" (65): row 2, column 1 of the grid at (0, 20); the other seven cells blank (32: row 0,
  // column 0).
  EXPECT_EQ(at(60, 50), ResourcePixel(4, 30));
  EXPECT_EQ(at(63, 54), ResourcePixel(7, 34));
  EXPECT_EQ(at(64, 50), ResourcePixel(0, 20));
  EXPECT_EQ(at(60 + 7 * 4, 50), ResourcePixel(0, 20));
  EXPECT_EQ(at(60 + 8 * 4, 50), MainPixel(92, 50));
}

TEST_F(DisplaySurfaceTest, DisplaysTheSkinDoesNotShowDrawNothing) {
  const QImage before = surface.backBuffer();
  for (int index : {0, 1, 3, 4, 5, 7}) {
    const auto drawn = surface.SetDD(index, 88.0);
    EXPECT_TRUE(drawn.area.isEmpty()) << index;
  }
  EXPECT_EQ(surface.backBuffer(), before);
}

TEST_F(DisplaySurfaceTest, ClockFormatsShowTheTimeAndFillLabelNine) {
  SkinDisplay clock = *test::SmallSkin().displays[2];
  clock.def.Format = 1;
  surface.setDisplay(3, clock);
  surface.setTimeFmt(0);
  auto drawn = surface.SetDD(3, 0.0);
  ASSERT_TRUE(drawn.label9.has_value());
  EXPECT_EQ(*drawn.label9, QStringLiteral("PM"));
  // " 9:07": the leading zero is blank (cell 10), then 9.
  EXPECT_EQ(at(10, 50), ResourcePixel(50, 0));
  EXPECT_EQ(at(15, 50), ResourcePixel(45, 0));

  surface.setTimeFmt(1);
  drawn = surface.SetDD(3, 0.0);
  EXPECT_EQ(*drawn.label9, QStringLiteral("  "));
  EXPECT_EQ(at(10, 50), ResourcePixel(10, 0));  // "2" of 21:07

  clock.def.Format = 2;
  surface.setDisplay(3, clock);
  EXPECT_EQ(*surface.SetDD(3, 0.0).label9, QStringLiteral("45"));
}

TEST_F(DisplaySurfaceTest, TitleScrollsOnlyWhenAskedAndWhenTooLong) {
  const QString title = QStringLiteral("ABCDEFGHIJ");
  surface.SetDD(6, title);
  EXPECT_EQ(surface.ScrollStart(), 1);
  surface.SetDD(6, title);
  EXPECT_EQ(surface.ScrollStart(), 1);

  surface.setScrollName(1);
  for (int start = 1; start <= 14; ++start) {
    EXPECT_EQ(surface.ScrollStart(), start);
    surface.SetDD(6, title);
    // The first cell shows the character at the start of the scrolled text.
    const QString scrolled = title + QStringLiteral("  *  ") + title;
    const int code = scrolled.at(start - 1).unicode();
    EXPECT_EQ(at(60, 50), ResourcePixel((code % 16) * 4, 20 + (code / 16 - 2) * 5)) << start;
  }
  EXPECT_EQ(surface.ScrollStart(), 15);
  surface.SetDD(6, title);  // past the length + 4: from the start again
  EXPECT_EQ(surface.ScrollStart(), 2);

  surface.SetDD(6, QStringLiteral("short"));
  EXPECT_EQ(surface.ScrollStart(), 1);
}

TEST(ClockLabel, TwelveAndTwentyFourHourForms) {
  const QString am = QStringLiteral("AM");
  const QString pm = QStringLiteral("PM");
  EXPECT_EQ(ClockLabelText(QTime(21, 7), 1, am, pm), QStringLiteral("21:07   "));
  EXPECT_EQ(ClockLabelText(QTime(21, 7), 0, am, pm), QStringLiteral("09:07 PM"));
  EXPECT_EQ(ClockLabelText(QTime(0, 30), 0, am, pm), QStringLiteral("12:30 AM"));
  EXPECT_EQ(ClockLabelText(QTime(12, 0), 0, am, pm), QStringLiteral("12:00 PM"));
}

}  // namespace
}  // namespace kd
