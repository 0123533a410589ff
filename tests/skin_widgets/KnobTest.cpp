// Slider knobs: placement by value, drags turned into values, double-clicks.

#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "skin/widgets/SkinKnob.h"

#include <QCoreApplication>
#include <QWheelEvent>

namespace kd {
namespace {

using namespace test;

class Knobs : public SkinWindowTest {
 protected:
  // Places knobs as the application does on every movement.
  void followMoves() {
    handler.onMove = [this](int index, float value) {
      window.placeKnob(index, value);
      if (index == kSliderVolume) window.placeKnob(kSliderVolumeBar, value);
    };
  }
  SkinKnob* knob(int n) { return window.knob(n); }
};

TEST_F(Knobs, AKnobIsTouchedOnlyWhenItsPixelChanges) {
  window.placeKnob(1, 0.5f);
  ASSERT_EQ(knob(1)->x(), 70);
  knob(1)->move(0, 0);  // a knob that is touched would leave this place
  window.placeKnob(1, 0.505f);
  EXPECT_EQ(knob(1)->pos(), QPoint(0, 0));
  EXPECT_FLOAT_EQ(window.sliderValue(1), 0.505f);
  window.placeKnob(1, 0.51f);
  EXPECT_EQ(knob(1)->x(), 71);
}

TEST_F(Knobs, TheFirstPlacementAfterALoadIsAlwaysCarriedOut) {
  // The load shows the volume bar at its full knob width; a stored volume of
  // 0 must not leave it that way.
  EXPECT_EQ(knob(4)->width(), 0);
  window.placeKnob(4, 0.75f);
  apply(SmallSkin());
  EXPECT_EQ(knob(4)->width(), 45);
}

TEST_F(Knobs, HiddenKnobsKeepTheirValueForWhenTheyShowAgain) {
  window.setKnobShown(1, false);
  EXPECT_FALSE(window.isKnobShown(1));
  window.placeKnob(1, 0.9f);
  EXPECT_EQ(knob(1)->x(), 20);
  window.setKnobShown(1, true);
  EXPECT_TRUE(window.isKnobShown(1));
  EXPECT_EQ(knob(1)->x(), 110);
  window.setKnobShown(3, true);  // not in the skin
  EXPECT_FALSE(window.isKnobShown(3));
}

TEST_F(Knobs, HorizontalDragKeepsTheGrabPointAndStopsAtTheEnds) {
  followMoves();
  Press(knob(1), {5, 3});
  Move(knob(1), {35, 3}, Qt::LeftButton);
  EXPECT_EQ(knob(1)->x(), 50);
  // The pointer is now 150 pixels right of the moved knob's left: far past the end.
  Move(knob(1), {150, 3}, Qt::LeftButton);
  EXPECT_EQ(knob(1)->x(), 120);
  Move(knob(1), {-200, 3}, Qt::LeftButton);
  EXPECT_EQ(knob(1)->x(), 20);
  Release(knob(1), {-200, 3});
  Move(knob(1), {30, 3}, Qt::LeftButton);  // no drag any more
  EXPECT_EQ(takeReports(), (QStringList{"PressKnob 1 h", "MoveKnob 1 0.3", "MoveKnob 1 1",
                                        "MoveKnob 1 0", "ReleaseKnob 1"}));
}

TEST_F(Knobs, VerticalValuesGrowUpwardsAndTheVolumeKnobResizesTheBar) {
  followMoves();
  Press(knob(2), {4, 3});                   // knob top at 70: value 0
  Move(knob(2), {4, -17}, Qt::LeftButton);  // top 50: value 0.4
  EXPECT_EQ(knob(2)->y(), 50);
  EXPECT_EQ(knob(4)->geometry(), QRect(130, 90, 24, 4));
  Move(knob(2), {4, -100}, Qt::LeftButton);
  Release(knob(2), {4, -100});
  EXPECT_EQ(takeReports(),
            (QStringList{"PressKnob 2 v", "MoveKnob 2 0.4", "MoveKnob 2 1", "ReleaseKnob 2"}));
}

TEST_F(Knobs, ASliderWithoutTravelIsNotDragged) {
  Press(knob(5), {2, 2}, Qt::RightButton);
  Move(knob(5), {30, 30}, Qt::RightButton);
  Release(knob(5), {30, 30}, Qt::RightButton);
  EXPECT_EQ(takeReports(), (QStringList{"PressKnob 5 h", "ReleaseKnob 5"}));
}

TEST_F(Knobs, OneDragAtATimeAndNoneFromADoubleClickOrAcrossALoad) {
  Press(knob(1), {5, 3});
  Press(knob(2), {4, 3});
  Move(knob(2), {4, -7}, Qt::LeftButton);
  Release(knob(1), {5, 3});
  EXPECT_EQ(takeReports(), (QStringList{"PressKnob 1 h", "ReleaseKnob 1"}));

  DoubleClick(knob(2), {4, 3});
  Move(knob(2), {4, -7}, Qt::LeftButton);
  Release(knob(2), {4, -7});
  EXPECT_EQ(takeReports(), QStringList{"DoubleClickKnob 2"});

  Press(knob(1), {5, 3});
  apply(SmallSkin());  // the load ends the drag
  Press(knob(2), {4, 3});
  EXPECT_EQ(takeReports(), (QStringList{"PressKnob 1 h", "ReleaseKnob 1", "PressKnob 2 v"}));
}

TEST_F(Knobs, APressOnATrackJumpsTheKnobThereAndTheDragGoesOn) {
  followMoves();
  Press(&window, {75, 72});  // the knob's middle goes under the pointer: left 70
  EXPECT_EQ(knob(1)->x(), 70);
  Move(&window, {86, 75}, Qt::LeftButton);
  EXPECT_EQ(knob(1)->x(), 81);
  Release(&window, {86, 75});
  // Near an end the knob stops at the end; a vertical track grows upwards.
  Press(&window, {21, 72});
  Release(&window, {21, 72});
  Press(&window, {184, 30});
  Release(&window, {184, 30});
  // Beside a track, or on one without travel, the press drags the window.
  Press(&window, {75, 77});
  Release(&window, {75, 77});
  Press(&window, {22, 82});
  Release(&window, {22, 82});
  EXPECT_EQ(takeReports(),
            (QStringList{"PressKnob 1 h", "MoveKnob 1 0.5", "MoveKnob 1 0.61", "ReleaseKnob 1",
                         "PressKnob 1 h", "MoveKnob 1 0", "ReleaseKnob 1", "PressKnob 2 v",
                         "MoveKnob 2 0.86", "ReleaseKnob 2"}));
}

TEST_F(Knobs, TheWheelStepsTheSliderUnderThePointerANotchAtATime) {
  const auto wheel = [this](QPointF at, int angle) {
    QWheelEvent event(at, window.mapToGlobal(at), {}, {0, angle}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &event);
  };
  wheel({184, 40}, 120);
  wheel({184, 40}, -240);
  // A touchpad's small movements add up to a notch; turning back starts afresh.
  wheel({184, 40}, 60);
  wheel({184, 40}, 50);
  wheel({184, 40}, -20);
  wheel({184, 40}, 60);
  wheel({184, 40}, 60);
  wheel({75, 72}, 120);  // the position does not move by wheel
  wheel({23, 83}, -120);
  EXPECT_EQ(takeReports(), (QStringList{"WheelOnSlider 2 1", "WheelOnSlider 2 -2",
                                        "WheelOnSlider 2 1", "WheelOnSlider 5 -1"}));
}

}  // namespace
}  // namespace kd
