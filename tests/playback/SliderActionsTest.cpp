// What the slider knobs do when dragged, released and double-clicked.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, DraggingThePositionKnobShowsTheTimeAndSeeksOnlyOnReleaseAfterAMove) {
  addThree();
  play(1);
  tickAt(5);
  engine.log.clear();
  sliders.pressKnob(SliderRole::Position, true);
  EXPECT_FALSE(timer.isActive());
  sliders.moveKnob(SliderRole::Position, 0.25f);
  sliders.moveKnob(SliderRole::Position, 0.5f);
  EXPECT_EQ(view.label(kLabelTime), "0:30");
  EXPECT_EQ(view.displays.value(kDisplayTime), 30.0);
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderPosition), 0.5f);
  EXPECT_TRUE(engine.log.isEmpty());  // nothing is sought before the release

  sliders.releaseKnob(SliderRole::Position);
  EXPECT_EQ(engine.log, QStringList({"seek 30"}));
  EXPECT_TRUE(timer.isActive());
  EXPECT_FALSE(model.isPositionHeld());
  tickAt(5);  // the engine still reports the old position: the tick shows it again
  EXPECT_EQ(view.label(kLabelTime), "0:05");

  engine.log.clear();  // a press without movement keeps the place
  sliders.pressKnob(SliderRole::Position, true);
  sliders.releaseKnob(SliderRole::Position);
  EXPECT_TRUE(engine.log.isEmpty());
}

TEST_F(PlayerTest, OnlyOneKnobIsDraggedAtATime) {
  addThree();
  play(1);
  sliders.pressKnob(SliderRole::Volume, false);  // a vertical knob keeps the timer
  sliders.pressKnob(SliderRole::Position, true);
  EXPECT_FALSE(model.isPositionHeld());
  EXPECT_TRUE(timer.isActive());
  sliders.moveKnob(SliderRole::Volume, 0.75f);
  EXPECT_EQ(view.label(kLabelVolume), " 75");
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderVolumeBar), 0.75f);
  EXPECT_EQ(device.left(), 49151);
  sliders.releaseKnob(SliderRole::Volume);
  sliders.pressKnob(SliderRole::Position, true);  // now free to take
  EXPECT_TRUE(model.isPositionHeld());
}

TEST_F(PlayerTest, DoubleClicksCentreTheBalanceAndRestoreTheRate) {
  addThree();
  sliders.applySlider(SliderRole::Balance, 0.2f);
  sliders.applySlider(SliderRole::Rate, 1.0f);
  play(1);
  engine.log.clear();

  sliders.doubleClickKnob(SliderRole::Volume);
  sliders.doubleClickKnob(SliderRole::Position);
  EXPECT_TRUE(engine.log.isEmpty());
  EXPECT_EQ(view.label(kLabelBalance), "60% left");

  sliders.doubleClickKnob(SliderRole::Balance);
  EXPECT_EQ(view.label(kLabelBalance), "Centre");
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderBalance), 0.5f);
  EXPECT_EQ(device.volumeWord(), 0xFFFFFFFFu);

  sliders.doubleClickKnob(SliderRole::Rate);
  EXPECT_EQ(view.label(kLabelRate), "100%");
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderRate), 0.5f);
  EXPECT_EQ(engine.log, QStringList({"rate 1"}));
}

TEST_F(PlayerTest, TheWheelStepsVolumeBalanceAndRateAsTheKeysStepTheVolume) {
  addThree();
  play(1);
  engine.log.clear();
  sliders.wheelSlider(SliderRole::Volume, -3);
  EXPECT_EQ(view.label(kLabelVolume), " 85");
  sliders.wheelSlider(SliderRole::Volume, 9);  // stops at full
  EXPECT_EQ(view.label(kLabelVolume), " 100");

  sliders.wheelSlider(SliderRole::Balance, -3);
  EXPECT_FLOAT_EQ(model.balance(), 0.35f);
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderBalance), 0.35f);

  sliders.wheelSlider(SliderRole::Rate, 2);
  EXPECT_EQ(view.label(kLabelRate), "110%");
  sliders.wheelSlider(SliderRole::Rate, 50);
  EXPECT_EQ(view.label(kLabelRate), "150%");
  sliders.wheelSlider(SliderRole::Position, 1);
  sliders.wheelSlider(SliderRole::VolumeBar, 1);
  EXPECT_EQ(engine.log, QStringList({"rate 1.1", "rate 1.5"}));
}

}  // namespace
}  // namespace kd::test
