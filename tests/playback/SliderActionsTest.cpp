// What the slider knobs do when dragged, released and double-clicked.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, DraggingThePositionKnobShowsTheTimeAndSeeksOnlyOnReleaseAfterAMove) {
  addThree();
  play(1);
  tickAt(5);
  engine.log.clear();
  sliders.PressKnob(kSliderPosition, true);
  EXPECT_FALSE(timer.isActive());
  sliders.MoveKnob(kSliderPosition, 0.25f);
  sliders.MoveKnob(kSliderPosition, 0.5f);
  EXPECT_EQ(view.LabelText(kLabelTime), "0:30");
  EXPECT_EQ(view.linesStartingWith("D1=").last(), "D1=30");
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderPosition), 0.5f);
  EXPECT_TRUE(engine.log.isEmpty());  // nothing is sought before the release

  sliders.ReleaseKnob(kSliderPosition);
  EXPECT_EQ(engine.log, QStringList({"seek 30"}));
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(state.SlideFlag, 0);
  tickAt(5);  // the engine still reports the old position: the tick shows it again
  EXPECT_EQ(view.LabelText(kLabelTime), "0:05");

  engine.log.clear();  // a press without movement keeps the place
  sliders.PressKnob(kSliderPosition, true);
  sliders.ReleaseKnob(kSliderPosition);
  EXPECT_TRUE(engine.log.isEmpty());
}

TEST_F(PlayerTest, OnlyOneKnobIsDraggedAtATime) {
  addThree();
  play(1);
  sliders.PressKnob(kSliderVolume, false);  // a vertical knob keeps the timer
  sliders.PressKnob(kSliderPosition, true);
  EXPECT_EQ(state.SlideFlag, kSliderVolume);
  EXPECT_TRUE(timer.isActive());
  sliders.MoveKnob(kSliderVolume, 0.75f);
  EXPECT_EQ(view.LabelText(kLabelVolume), " 75");
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderVolumeBar), 0.75f);
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
  view.log.clear();

  sliders.DoubleClickKnob(kSliderVolume);
  sliders.DoubleClickKnob(kSliderPosition);
  EXPECT_TRUE(view.log.isEmpty());

  sliders.DoubleClickKnob(kSliderBalance);
  EXPECT_EQ(view.LabelText(kLabelBalance), "Centre");
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderBalance), 0.5f);
  EXPECT_EQ(device.VolumeWord(), 0xFFFFFFFFu);

  sliders.DoubleClickKnob(kSliderRate);
  EXPECT_EQ(view.LabelText(kLabelRate), "100%");
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderRate), 0.5f);
  EXPECT_EQ(engine.log, QStringList({"rate 1"}));
}

}  // namespace
}  // namespace kd::test
