// The mode buttons: intro, stop after each item, repeat, shuffle and the A-B
// repeat points (the time form is checked with the tick).

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, ModeTogglesFlipTheirFlagsAndRefreshTheLights) {
  modes.toggleIntro();
  modes.toggleStopAfterEach();
  modes.toggleRepeat();
  modes.toggleShuffle();  // two pairs of lights
  EXPECT_EQ(view.lightsShown(), "5 6 7 9 10 11 12 13 15 16");
  modes.toggleShuffle();
  EXPECT_EQ(view.lightsShown(), "5 6 7 11 12 13");
  EXPECT_EQ(model.modes(), (PlayModes{.intro = true, .stopAfterEach = true, .repeat = true}));
}

TEST_F(PlayerTest, OneRepeatButtonCyclesSetASetBOff) {
  model.setPosition(12.4);
  modes.setRepeatPoint(false);
  EXPECT_EQ(model.repeatStart(), 12);
  EXPECT_EQ(model.repeatEnd(), 0);
  model.setPosition(30.5);  // halves to even
  modes.setRepeatPoint(false);
  EXPECT_EQ(model.repeatEnd(), 30);
  EXPECT_EQ(view.lightsShown(), "8 14");
  modes.setRepeatPoint(false);
  EXPECT_EQ(model.repeatStart(), 0);
  EXPECT_EQ(model.repeatEnd(), 0);
  EXPECT_EQ(view.lightsShown(), "");
}

TEST_F(PlayerTest, WithASeparateEndButtonTheStartButtonAlwaysSetsA) {
  model.setPosition(40);
  modes.setRepeatEnd();  // without a start point: from zero
  EXPECT_EQ(model.repeatStart(), 0);
  EXPECT_EQ(model.repeatEnd(), 40);
  model.setPosition(5);
  modes.setRepeatPoint(true);
  model.setPosition(9);
  modes.setRepeatEnd();
  EXPECT_EQ(model.repeatEnd(), 9);
  model.setPosition(7);
  modes.setRepeatPoint(true);
  EXPECT_EQ(model.repeatStart(), 7);
  EXPECT_EQ(model.repeatEnd(), 0);
}

}  // namespace
}  // namespace kd::test
