// Skin buttons, the pressed-button image, hover styles, typed characters,
// the debugging keys and label clicks.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using namespace test;

class ButtonInput : public SkinWindowTest {
 protected:
  void applyHoverStyle(int16_t hoverStyle) {
    SkinDocument doc = SmallSkin();
    doc.hoverStyle = hoverStyle;
    apply(doc);
  }
  PressedImage* pressed() { return window.pressedImage(); }
  // The hovered button, the buttons with a border, and where the pressed image shows.
  QString hover() {
    QString state = QString::number(window.hoveredButton());
    for (int n : {3, 5, 12}) {
      if (window.button(n)->hasBorder()) state += QStringLiteral(" border %1").arg(n);
    }
    const QRect at = pressed()->geometry();
    if (shown(pressed())) state += QStringLiteral(" pressed at %1,%2").arg(at.x()).arg(at.y());
    return state;
  }
};

TEST_F(ButtonInput, PressShowsThePressedImageAndItsReleaseAnywhereRunsTheCommand) {
  Press(window.button(3), {5, 5});
  ASSERT_TRUE(shown(pressed()));
  EXPECT_EQ(pressed()->geometry(), QRect(10, 10, 20, 10));
  EXPECT_EQ(pressed()->picture().pixel(0, 0), ResourcePixel(100, 50));
  EXPECT_EQ(pressed()->picture().pixel(19, 9), ResourcePixel(119, 59));
  EXPECT_TRUE(takeReports().isEmpty());
  // The pointer left the button before the release: the command runs all the same.
  Release(window.button(3), {400, 300});
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 3"});
  EXPECT_FALSE(shown(pressed()));
  // Every mouse button runs the command, and only the release of the pressed one.
  Press(window.button(12), {5, 5}, Qt::RightButton);
  Release(window.button(12), {5, 5}, Qt::RightButton);
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});  // no popup menu on a button
  Press(window.button(12), {5, 5}, Qt::LeftButton);
  Release(window.button(12), {5, 5}, Qt::MiddleButton);  // never pressed here
  EXPECT_TRUE(takeReports().isEmpty());
  Release(window.button(12), {5, 5}, Qt::LeftButton);
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});
}

TEST_F(ButtonInput, HoverStylesZeroAndOneRememberTheButtonAndMoveTheBorder) {
  Move(window.button(3), {5, 5});
  EXPECT_EQ(hover(), "3");
  applyHoverStyle(1);
  Move(window.button(3), {5, 5});
  EXPECT_EQ(hover(), "3 border 3");
  Move(window.button(5), {5, 5});
  EXPECT_EQ(hover(), "5 border 5");
  Move(&window, {150, 95});
  EXPECT_EQ(hover(), "0");
}

TEST_F(ButtonInput, HoverStyleTwoShowsThePressedImageUntilTheBackgroundIsReached) {
  applyHoverStyle(2);
  Move(window.button(3), {5, 5});
  EXPECT_EQ(hover(), "3 pressed at 10,10");
  Move(window.button(5), {5, 5});
  EXPECT_EQ(hover(), "5 pressed at 40,10");
  EXPECT_EQ(pressed()->picture().pixel(0, 0), ResourcePixel(40, 10));
  Move(&window, {150, 95});
  EXPECT_EQ(hover(), "0");
  // A click on the image runs the command of the button it covers.
  Move(window.button(5), {2, 2});
  Press(pressed(), {2, 2});
  Release(pressed(), {2, 2});
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 5"});
  EXPECT_FALSE(shown(pressed()));
}

TEST_F(ButtonInput, DebuggingKeysShowHotAreasAndAreNotReported) {
  // "`" fills the hot areas of buttons and labels 1..50 and 1..20, "~" frames the buttons.
  const auto marked = [this] {
    QString state;
    for (int n : {1, 3, 50, 51}) state += QString::number(window.button(n)->isOpaque());
    for (int n : {1, 20, 21}) state += QString::number(window.label(n)->isOpaque());
    for (int n : {1, 50, 51}) state += QString::number(window.button(n)->hasBorder());
    return state;
  };
  Type(&window, QStringLiteral("`"));
  EXPECT_EQ(marked(), "1110110000");
  Type(&window, QStringLiteral("~"));
  EXPECT_EQ(marked(), "1110110110");
  Type(&window, QStringLiteral("\x1b"), Qt::Key_Escape);
  EXPECT_EQ(marked(), "0000000000");
  EXPECT_TRUE(takeReports().isEmpty());
  Type(&window, QStringLiteral("p"));
  Type(&window, QStringLiteral(" "));
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
