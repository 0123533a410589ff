// The window showing a skin at twice its size: what the user sees and
// clicks follows the doubled skin, and the window stays inside the work area.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/SkinScale.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/PressedImage.h"

namespace kd {
namespace {

using test::Press;
using test::Release;

class DoubleSize : public test::SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    apply(ScaleSkinDocument(test::SmallSkin(), 2));
  }
};

TEST_F(DoubleSize, TheWindowIsDoubledAndAClickOnADoubledButtonRunsIt) {
  EXPECT_EQ(window.size(), QSize(400, 200));
  // Button 12 lay at (70,10 20x10): its middle now lies at (160, 30).
  auto* hit = qobject_cast<ButtonZone*>(window.childAt(QPoint(160, 30)));
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit, window.button(12));
  Press(hit, {3, 3});
  Release(hit, {3, 3});
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});
  // Its pressed image is the doubled block of the resource bitmap.
  Press(window.button(3), {1, 1});
  EXPECT_EQ(window.pressedImage()->geometry(), QRect(20, 20, 40, 20));
  EXPECT_EQ(window.pressedImage()->picture().pixel(39, 19), test::ResourcePixel(119, 59));
  Release(window.button(3), {1, 1});
}

TEST_F(DoubleSize, ADisplayDrawsItsCellsAsSharpSquares) {
  const QImage before = window.backBuffer().copy(20, 100, 60, 14);
  window.drawDisplay(2, 12.0);
  const QImage cells = window.backBuffer().copy(20, 100, 60, 14);
  EXPECT_NE(cells, before);  // something was drawn
  for (int y = 0; y < cells.height(); ++y) {
    for (int x = 0; x < cells.width(); ++x) {
      ASSERT_EQ(cells.pixel(x, y), cells.pixel(x & ~1, y & ~1)) << x << "," << y;
    }
  }
}

TEST_F(DoubleSize, EverySizeIsKeptInsideTheWorkArea) {
  window.setScreenOverride(QRect(0, 20, 500, 260), TwipScale{15, 15});
  window.move(300, 200);
  window.toggleAlternateSize();  // 300 x 160
  EXPECT_EQ(window.frameGeometry().size(), QSize(300, 160));
  EXPECT_TRUE(QRect(0, 20, 500, 260).contains(window.geometry()));
  window.move(450, 250);
  window.toggleSmall();  // 200 x 80
  EXPECT_TRUE(QRect(0, 20, 500, 260).contains(window.geometry()));
  window.toggleSmall();
  window.toggleAlternateSize();  // back to 400 x 200
  EXPECT_EQ(window.geometry(), QRect(100, 80, 400, 200));
}

TEST_F(DoubleSize, ASkinTallerThanTheWorkAreaStartsWithoutItsPlaylist) {
  window.setScreenOverride(QRect(0, 0, 640, 180), TwipScale{15, 15});
  apply(ScaleSkinDocument(test::SmallSkin(), 2));
  EXPECT_EQ(window.size(), QSize(300, 160));
  EXPECT_EQ(window.alternateSize(), 1);
  EXPECT_TRUE(QRect(0, 0, 640, 180).contains(window.geometry()));
  window.toggleAlternateSize();  // asked for by the user: shown, kept on screen at the top
  EXPECT_EQ(window.size(), QSize(400, 200));
  EXPECT_EQ(window.y(), 0);
}

}  // namespace
}  // namespace kd
