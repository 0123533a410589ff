#include <gtest/gtest.h>

#include "RecordingView.h"
#include "playback/ModeCommands.h"
#include "playback/PlayerState.h"

using namespace kd;

namespace {

struct ModeFixture : ::testing::Test {
  PlayerState state;
  test::RecordingView view;
  ModeCommands modes{state, view};
};

}  // namespace

TEST_F(ModeFixture, TogglesFlipTheirFlagsAndRefreshTheLights) {
  modes.ToggleIntro();
  modes.ToggleStopAfter();
  modes.ToggleRepeat();
  modes.ToggleShuffle();
  EXPECT_TRUE(state.flags.Intro && state.flags.STP && state.flags.Repeat);
  EXPECT_TRUE(state.flags.Shuffle && state.flags.Random);
  EXPECT_EQ(view.lastLights(), "lights 5 6 7 9 10 11 12 13 15 16");
  modes.ToggleShuffle();
  EXPECT_FALSE(state.flags.Shuffle || state.flags.Random);
  EXPECT_EQ(view.lastLights(), "lights 5 6 7 11 12 13");
}

TEST_F(ModeFixture, OneButtonCyclesSetASetBOff) {
  state.Elapsed = 12.4;
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.RptA, 12);
  EXPECT_EQ(state.flags.RptB, 0);
  state.Elapsed = 30.5;  // halves to even
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.flags.RptB, 30);
  EXPECT_EQ(view.lastLights(), "lights 8 14");
  modes.SetRepeatPoint(false);
  EXPECT_EQ(state.RptA, 0);
  EXPECT_EQ(state.flags.RptB, 0);
  EXPECT_EQ(view.lastLights(), "lights");
}

TEST_F(ModeFixture, SeparateEndButtonAlwaysSetsAAndClearsB) {
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

TEST_F(ModeFixture, AnEndPointWithoutAStartRepeatsFromZero) {
  state.Elapsed = 40;
  modes.SetRepeatEnd();
  EXPECT_EQ(state.RptA, 0);
  EXPECT_EQ(state.flags.RptB, 40);
}

TEST_F(ModeFixture, TimeFlagForcesTheNextTimeText) {
  state.shownTimeText = "1:05";
  modes.ToggleTimeFlag();
  EXPECT_TRUE(state.TimeFlag);
  EXPECT_TRUE(state.shownTimeText.isEmpty());
}
