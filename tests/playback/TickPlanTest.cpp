// The position tick comes when something it drives can change, and never
// later than 25 ms after that change.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

#include "PlayerFixture.h"
#include "playback/TickPlan.h"
#include "util/Numbers.h"

namespace kd {
namespace {

// What the window shows at `position`: the rounded time (up or down) and the
// knob's pixel, as the presenter and the slider compute them.
struct Shown {
  int64_t up, down;
  int knob;
  bool operator==(const Shown&) const = default;
};
Shown ShownAt(double position, double length, int travel) {
  const double fraction = std::floor(position / length * 10000.0) / 10000.0;
  return {RoundHalfEven(position), RoundHalfEven(length - position),
          travel > 0 ? int(std::floor(fraction * travel + 1e-4)) : 0};
}

struct Walk {
  int ticks = 0;
  double latestSeconds = 0;  // the longest a change waited for a tick
};

// Plays `input` from its position to its end on a simulated clock, ticking
// when the plan says, and compares with what a 1 ms tick would have seen.
Walk WalkThrough(TickPlanInput input, double stopAt) {
  Walk walk;
  double now = 0;
  const double start = input.position;
  Shown seen = ShownAt(start, input.length, input.knobTravel);
  double changedAt = -1;  // real time of the first change not yet seen
  double nextTick = MsUntilNextVisibleChange(input) / 1000.0;
  for (int ms = 1; start + ms / 1000.0 * input.speed < stopAt; ++ms) {
    now = ms / 1000.0;
    const double position = start + now * input.speed;
    const Shown shown = ShownAt(position, input.length, input.knobTravel);
    if (!(shown == seen) && changedAt < 0) changedAt = now;
    if (now + 1e-9 < nextTick) continue;
    ++walk.ticks;
    if (changedAt >= 0) walk.latestSeconds = std::max(walk.latestSeconds, now - changedAt);
    seen = shown;
    changedAt = -1;
    input.position = position;
    nextTick = now + MsUntilNextVisibleChange(input) / 1000.0;
  }
  return walk;
}

// A change is seen within 25 ms; the knob's within 25 ms of the ten-thousandth
// of the length its place is rounded to.
TEST(TickPlan, EveryChangeOnShowIsTickedInTimeAndLittleElse) {
  for (const double speed : {0.5, 1.0, 1.5}) {
    for (const int travel : {0, 396, 2000}) {
      TickPlanInput song{.position = 0.3, .length = 181.7, .speed = speed, .knobTravel = travel};
      const Walk walk = WalkThrough(song, 60.0);
      const double realSeconds = (60.0 - 0.3) / speed;
      EXPECT_LE(walk.latestSeconds, 0.026 + 181.7e-4 / speed) << speed << " " << travel;
      // Two time changes a second (up and down), one per knob pixel and one a
      // second when nothing changes for longer.
      const double changes = 2 * 59.7 + travel * 59.7 / 181.7;
      EXPECT_LE(walk.ticks, changes * 1.1 + realSeconds / 2 + 5) << speed << " " << travel;
      EXPECT_LT(walk.ticks, realSeconds * 40 / 2) << "no better than every 25 ms";
    }
  }
}

TEST(TickPlan, TheIntroEndTheRepeatEndAndTheItemEndAreNotMissed) {
  const auto wakeAfter = [](TickPlanInput input) {
    return input.position + MsUntilNextVisibleChange(input) / 1000.0 * input.speed;
  };
  TickPlanInput intro{.position = 9.96, .length = 300, .intro = true};
  EXPECT_GT(wakeAfter(intro), 10.0);
  EXPECT_LT(wakeAfter(intro), 10.03);
  TickPlanInput repeat{.position = 20.6, .length = 300, .repeatEnd = 20.9};
  EXPECT_GE(wakeAfter(repeat), 20.9);
  EXPECT_LT(wakeAfter(repeat), 20.93);
  TickPlanInput end{.position = 299.93, .length = 299.95};
  EXPECT_GE(wakeAfter(end), 299.95);
  // Paused nothing moves: a tick a second is plenty.
  TickPlanInput paused{.position = 12, .length = 300, .paused = true};
  EXPECT_EQ(MsUntilNextVisibleChange(paused), kLongestTickWaitMs);
  // Unknown length or nonsense: every 25 ms, as before.
  EXPECT_EQ(MsUntilNextVisibleChange({.position = 5, .length = 0}), kShortestTickWaitMs);
  EXPECT_EQ(MsUntilNextVisibleChange({.position = NAN, .length = 9}), kShortestTickWaitMs);
}

using TickTimerTest = test::PlayerTest;

// Runs the event loop until the timer has ticked once more.
int MsPlannedAfterNextTick(PositionTimer& timer) {
  QElapsedTimer elapsed;
  elapsed.start();
  const int before = timer.msUntilNextTick();
  while (elapsed.elapsed() < before + 200 && timer.msUntilNextTick() <= before) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return timer.msUntilNextTick();
}

TEST_F(TickTimerTest, ATickPlansTheNextAndASeekOrPauseBringsItBack) {
  addFile("a.wav", "Alpha");
  tick.setKnobTravel([] { return 0; });
  play(1);
  engine.current->setPosition(12.0);  // the next change is at 12.5 s
  EXPECT_GT(MsPlannedAfterNextTick(timer), 400);

  transport.seekTo(30);
  EXPECT_LE(timer.msUntilNextTick(), PositionTimer::kIntervalMs);
  transport.togglePause();
  EXPECT_LE(timer.msUntilNextTick(), PositionTimer::kIntervalMs);
  EXPECT_GT(MsPlannedAfterNextTick(timer), 900);
  transport.togglePause();
  EXPECT_LE(timer.msUntilNextTick(), PositionTimer::kIntervalMs);
}

}  // namespace
}  // namespace kd
