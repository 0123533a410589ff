// The mode buttons: intro, stop after each item, repeat, shuffle and the A-B
// repeat points (the time form is checked with the tick).

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, ModeTogglesFlipTheirFlagsAndRefreshTheLights) {
  modes.ToggleIntro();
  modes.ToggleStopAfter();
  modes.ToggleRepeat();
  modes.ToggleShuffle();  // shuffle and random together
  EXPECT_EQ(view.lights, "lights 5 6 7 9 10 11 12 13 15 16");
  modes.ToggleShuffle();
  EXPECT_EQ(view.lights, "lights 5 6 7 11 12 13");
}

TEST_F(PlayerTest, OneRepeatButtonCyclesSetASetBOff) {
  state.Elapsed = 12.4;
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.RptA, 12);
  EXPECT_EQ(state.flags.RptB, 0);
  state.Elapsed = 30.5;  // halves to even
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.flags.RptB, 30);
  EXPECT_EQ(view.lights, "lights 8 14");
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.RptA, 0);
  EXPECT_EQ(state.flags.RptB, 0);
  EXPECT_EQ(view.lights, "lights");
}

TEST_F(PlayerTest, WithASeparateEndButtonTheStartButtonAlwaysSetsA) {
  state.Elapsed = 40;
  modes.SetRepeatEnd();  // without a start point: from zero
  EXPECT_EQ(state.RptA, 0);
  EXPECT_EQ(state.flags.RptB, 40);
  state.Elapsed = 5;
  modes.SetRepeatPoint(true);
  state.Elapsed = 9;
  modes.SetRepeatEnd();
  EXPECT_EQ(state.flags.RptB, 9);
  state.Elapsed = 7;
  modes.SetRepeatPoint(true);
  EXPECT_EQ(state.RptA, 7);
  EXPECT_EQ(state.flags.RptB, 0);
}

}  // namespace
}  // namespace kd::test
