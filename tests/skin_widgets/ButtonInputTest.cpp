// Skin buttons, the pressed-button image, hover styles, typed characters,
// the debugging keys and label clicks.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using test::Move;
using test::Press;
using test::Release;
using test::ResourcePixel;

class ButtonInput : public test::SkinWindowTest {
 protected:
  void applyHoverStyle(int16_t coolFlag) {
    SkinDocument doc = test::SmallSkin();
    doc.CoolFlag = coolFlag;
    apply(doc);
  }
  PressedImage* pressed() { return window.pressedImage(); }
};

TEST_F(ButtonInput, PressShowsThePressedImageAndAReleaseAnywhereRunsTheCommand) {
  Press(window.button(3), {5, 5});
  ASSERT_TRUE(pressed()->isVisibleTo(&window));
  EXPECT_EQ(pressed()->geometry(), QRect(10, 10, 20, 10));
  EXPECT_EQ(pressed()->picture().pixel(0, 0), ResourcePixel(100, 50));
  EXPECT_EQ(pressed()->picture().pixel(19, 9), ResourcePixel(119, 59));
  EXPECT_TRUE(takeReports().isEmpty());

  // The pointer left the button before the release: the command runs all the same.
  Release(window.button(3), {400, 300});
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 3"});
  EXPECT_FALSE(pressed()->isVisibleTo(&window));
}

TEST_F(ButtonInput, EveryMouseButtonRunsTheCommandAndOnlyItsOwnReleaseCounts) {
  Press(window.button(12), {5, 5}, Qt::RightButton);
  Release(window.button(12), {5, 5}, Qt::RightButton);
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});  // no popup menu on a button

  Press(window.button(12), {5, 5}, Qt::LeftButton);
  Release(window.button(12), {5, 5}, Qt::MiddleButton);  // never pressed here
  EXPECT_TRUE(takeReports().isEmpty());
  Release(window.button(12), {5, 5}, Qt::LeftButton);
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});
}

TEST_F(ButtonInput, HoverStyleTwoShowsThePressedImageUntilTheBackgroundIsReached) {
  applyHoverStyle(2);
  Move(window.button(3), {5, 5});
  ASSERT_TRUE(pressed()->isVisibleTo(&window));
  EXPECT_EQ(pressed()->geometry(), QRect(10, 10, 20, 10));
  EXPECT_EQ(window.LastIndex(), 3);

  Move(window.button(5), {5, 5});
  EXPECT_EQ(pressed()->geometry(), QRect(40, 10, 20, 10));
  EXPECT_EQ(pressed()->picture().pixel(0, 0), ResourcePixel(40, 10));
  EXPECT_EQ(window.LastIndex(), 5);

  Move(&window, {150, 95});
  EXPECT_FALSE(pressed()->isVisibleTo(&window));
  EXPECT_EQ(window.LastIndex(), 0);

  // A click on the image runs the command of the button it covers.
  Move(window.button(5), {2, 2});
  Press(pressed(), {2, 2});
  Release(pressed(), {2, 2});
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 5"});
  EXPECT_FALSE(pressed()->isVisibleTo(&window));
}

TEST_F(ButtonInput, HoverStyleOneMovesTheBorder) {
  applyHoverStyle(1);
  Move(window.button(3), {5, 5});
  EXPECT_TRUE(window.button(3)->hasBorder());
  Move(window.button(5), {5, 5});
  EXPECT_FALSE(window.button(3)->hasBorder());
  EXPECT_TRUE(window.button(5)->hasBorder());
  EXPECT_FALSE(pressed()->isVisibleTo(&window));
  Move(&window, {150, 95});
  EXPECT_FALSE(window.button(5)->hasBorder());
  EXPECT_EQ(window.LastIndex(), 0);
}

TEST_F(ButtonInput, HoverStyleZeroOnlyRemembersTheButton) {
  Move(window.button(3), {5, 5});
  EXPECT_EQ(window.LastIndex(), 3);
  EXPECT_FALSE(window.button(3)->hasBorder());
  EXPECT_FALSE(pressed()->isVisibleTo(&window));
}

TEST_F(ButtonInput, DebuggingKeysShowHotAreasAndAreNotReported) {
  test::Type(&window, QLatin1Char('`'));
  EXPECT_TRUE(window.button(3)->isOpaque());
  EXPECT_TRUE(window.button(50)->isOpaque());
  EXPECT_FALSE(window.button(51)->isOpaque());
  EXPECT_TRUE(window.label(1)->isOpaque());
  EXPECT_TRUE(window.label(20)->isOpaque());
  EXPECT_FALSE(window.label(21)->isOpaque());

  test::Type(&window, QLatin1Char('~'));
  EXPECT_TRUE(window.button(1)->hasBorder());
  EXPECT_TRUE(window.button(50)->hasBorder());
  EXPECT_FALSE(window.button(51)->hasBorder());

  test::Type(&window, QChar(27), Qt::Key_Escape);
  for (int n : {1, 3, 50}) {
    EXPECT_FALSE(window.button(n)->isOpaque()) << n;
    EXPECT_FALSE(window.button(n)->hasBorder()) << n;
  }
  EXPECT_FALSE(window.label(1)->isOpaque());
  EXPECT_TRUE(takeReports().isEmpty());

  test::Type(&window, QLatin1Char('p'));
  test::Type(&window, QLatin1Char(' '));
  EXPECT_EQ(takeReports(), (QStringList{"KeyTyped p", "KeyTyped  "}));
}

TEST_F(ButtonInput, OnlyTheTimeAndTitleLabelsReportClicks) {
  for (int n : {1, 2, 3}) {
    Press(window.label(n), {3, 3});
    Release(window.label(n), {3, 3});
  }
  Press(window.label(1), {3, 3});
  Release(window.label(1), {300, 3});  // released elsewhere: no click
  EXPECT_EQ(takeReports(), (QStringList{"LabelClicked 1", "LabelClicked 2"}));
}

}  // namespace
}  // namespace kd
