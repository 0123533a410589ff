// What the slider knobs do when dragged, released and double-clicked.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, DraggingThePositionKnobShowsTheTimeAndSeeksOnRelease) {
  addThree();
  play(1);
  engine.log.clear();
  sliders.PressKnob(kSliderPosition, true);
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(state.SlideFlag, kSliderPosition);
  sliders.MoveKnob(kSliderPosition, 0.25f);
  sliders.MoveKnob(kSliderPosition, 0.5f);
  EXPECT_EQ(view.LabelText(kLabelTime), "0:30");
  EXPECT_EQ(view.linesStartingWith("D1=").last(), "D1=30");
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderPosition), 0.5f);
  EXPECT_TRUE(engine.log.isEmpty());  // nothing is sought before the release

  sliders.ReleaseKnob(kSliderPosition);
  EXPECT_EQ(engine.log, QStringList({"seek 30"}));
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(state.SlideFlag, 0);
}

TEST_F(PlayerTest, APressWithoutMovementDoesNotSeek) {
  addThree();
  play(1);
  sliders.PressKnob(kSliderPosition, true);
  sliders.MoveKnob(kSliderPosition, 0.5f);
  sliders.ReleaseKnob(kSliderPosition);
  engine.log.clear();

  tickAt(12);
  sliders.PressKnob(kSliderPosition, true);
  sliders.ReleaseKnob(kSliderPosition);
  EXPECT_TRUE(engine.log.isEmpty());
}

TEST_F(PlayerTest, TheTickRewritesTheTimeAfterADrag) {
  addThree();
  play(1);
  tickAt(5);
  sliders.PressKnob(kSliderPosition, true);
  sliders.MoveKnob(kSliderPosition, 0.5f);
  sliders.ReleaseKnob(kSliderPosition);
  tickAt(5);  // the engine still reports the old position
  EXPECT_EQ(view.LabelText(kLabelTime), "0:05");
}

TEST_F(PlayerTest, OnlyOneKnobIsDraggedAtATime) {
  addThree();
  play(1);
  sliders.PressKnob(kSliderVolume, false);  // a vertical knob keeps the timer
  EXPECT_TRUE(timer.isActive());
  sliders.PressKnob(kSliderPosition, true);
  EXPECT_EQ(state.SlideFlag, kSliderVolume);
  EXPECT_TRUE(timer.isActive());
  sliders.MoveKnob(kSliderVolume, 0.75f);
  EXPECT_EQ(view.LabelText(kLabelVolume), " 75");
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderVolumeBar), 0.75f);
  EXPECT_EQ(device.Left(), 49151);
  sliders.ReleaseKnob(kSliderVolume);
  EXPECT_EQ(state.SlideFlag, 0);
}

TEST_F(PlayerTest, DoubleClicksCentreTheBalanceAndRestoreTheRate) {
  addThree();
  sliders.ApplySlider(kSliderBalance, 0.2f);
  sliders.ApplySlider(kSliderRate, 1.0f);
  play(1);
  engine.log.clear();
  view.clear();

  sliders.DoubleClickKnob(kSliderVolume);
  sliders.DoubleClickKnob(kSliderPosition);
  EXPECT_TRUE(view.log.isEmpty());

  sliders.DoubleClickKnob(kSliderBalance);
  EXPECT_EQ(view.LabelText(kLabelBalance), "Centre");
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderBalance), 0.5f);
  EXPECT_EQ(device.VolumeWord(), 0xFFFFFFFFu);

  sliders.DoubleClickKnob(kSliderRate);
  EXPECT_EQ(view.LabelText(kLabelRate), "100%");
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderRate), 0.5f);
  EXPECT_EQ(engine.log, QStringList({"rate 1"}));
}

}  // namespace
}  // namespace kd::test
