// What a screen reader finds in the skinned window and what its actions do.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>

#include "WindowTestSupport.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/PlaylistBox.h"
#include "skin/widgets/SkinKnob.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using namespace test;

class Accessibility : public SkinWindowTest {
 protected:
  static QAccessibleInterface* of(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
  }
};

TEST_F(Accessibility, ButtonsAreNamedPushButtonsWhosePressRunsTheirCommand) {
  SkinDocument doc = SmallSkin();
  doc.buttons[12]->tip.clear();
  apply(doc);
  QAccessibleInterface* tipped = of(window.button(3));
  ASSERT_NE(tipped, nullptr);
  EXPECT_EQ(tipped->role(), QAccessible::Button);
  EXPECT_EQ(tipped->text(QAccessible::Name), "tip");
  // Without a tip the command names the button.
  QAccessibleInterface* play = of(window.button(12));
  EXPECT_EQ(play->text(QAccessible::Name), "Play");
  EXPECT_EQ(of(window.button(26))->text(QAccessible::Name), "Toggle stop after each");

  ASSERT_NE(play->actionInterface(), nullptr);
  play->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(takeReports(), QStringList{"ButtonUp 12"});
  // A button the skin does not show cannot be pressed.
  of(window.button(26))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(Accessibility, SlidersShowTheirValueAndSettingItDragsTheKnob) {
  window.placeKnob(2, 0.5f);
  QAccessibleInterface* volume = of(window.knob(2));
  ASSERT_NE(volume, nullptr);
  EXPECT_EQ(volume->role(), QAccessible::Slider);
  EXPECT_EQ(volume->text(QAccessible::Name), "Volume");
  QAccessibleValueInterface* value = volume->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 50);
  EXPECT_EQ(value->maximumValue().toInt(), 100);

  value->setCurrentValue(25);
  EXPECT_EQ(takeReports(), (QStringList{"PressKnob 2 v", "MoveKnob 2 0.25", "ReleaseKnob 2"}));
  value->setCurrentValue(250);  // kept on the track
  EXPECT_EQ(takeReports().value(1), "MoveKnob 2 1");
  value->setCurrentValue(QStringLiteral("loud"));
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(Accessibility, LabelsReadTheirTextAndThePlaylistIsAList) {
  window.setLabelText(1, QStringLiteral("Song title"));
  EXPECT_EQ(of(window.label(1))->text(QAccessible::Name), "Song title");
  QAccessibleInterface* list = of(window.playlistBox());
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), "Playlist");
}

}  // namespace
}  // namespace kd
