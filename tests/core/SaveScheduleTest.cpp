// When autosave writes: about a second after a change, never two saves
// within a second, never while a folder scan is adding.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "core/SaveSchedule.h"

namespace kd {
namespace {

// A clock that moves only when told, and the one timeout it may hold.
class ScheduleTest : public ::testing::Test {
 protected:
  // Lets `ms` pass, firing the timeout when it comes due.
  void advance(int64_t ms) {
    const int64_t end = now + ms;
    while (due && *due <= end) {
      now = *due;
      due.reset();
      schedule.timeout();
    }
    now = end;
  }

  int64_t now = 5000;
  std::optional<int64_t> due;
  bool busy = false;
  std::vector<int64_t> saves;
  SaveSchedule schedule{SaveSchedule::Hooks{
      [this] { return now; }, [this](int64_t ms) { due = now + ms; }, [this] { due.reset(); },
      [this] { return busy; }, [this] { saves.push_back(now); }}};
};

TEST_F(ScheduleTest, ABurstOfChangesIsOneSaveWithinTwoSeconds) {
  for (int i = 0; i < 20; ++i) {
    schedule.changed();
    advance(40);
  }
  advance(2000);
  // The first change at 5000 is saved with the other nineteen.
  EXPECT_EQ(saves, std::vector<int64_t>{6000});
  EXPECT_FALSE(schedule.pending());
  advance(10000);
  EXPECT_EQ(saves.size(), 1u);  // nothing changed: nothing written
}

TEST_F(ScheduleTest, SavesAreAtLeastASecondApartAndEachChangeIsSavedWithinTwo) {
  // Changes every 300 ms for six seconds.
  std::vector<int64_t> changes;
  for (int i = 0; i < 20; ++i) {
    schedule.changed();
    changes.push_back(now);
    advance(300);
  }
  advance(3000);
  ASSERT_GE(saves.size(), 4u);
  for (size_t i = 1; i < saves.size(); ++i) EXPECT_GE(saves[i] - saves[i - 1], 1000);
  for (int64_t change : changes) {
    const auto after =
        std::find_if(saves.begin(), saves.end(), [&](int64_t s) { return s >= change; });
    ASSERT_NE(after, saves.end());
    EXPECT_LE(*after - change, 2000) << "change at " << change;
  }
}

TEST_F(ScheduleTest, ASaveWaitsForTheScanAndComesSoonAfterIt) {
  busy = true;
  schedule.changed();
  advance(10000);
  EXPECT_TRUE(saves.empty());
  EXPECT_TRUE(schedule.pending());
  busy = false;  // at 15000
  advance(SaveSchedule::kBusyRetryMs);
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_LE(saves[0] - 15000, SaveSchedule::kBusyRetryMs);
}

TEST_F(ScheduleTest, AfterTheShutDownNothingIsSavedAnyMore) {
  schedule.changed();
  schedule.stop();
  EXPECT_FALSE(due.has_value());
  schedule.changed();
  advance(5000);
  EXPECT_TRUE(saves.empty());
}

}  // namespace
}  // namespace kd
