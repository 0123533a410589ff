// The alarm clock on a clock the test moves: the sleep timer in both modes,
// the weekly on/off list, the fade, what the face is told, and how often it
// wakes.
#include "SchedulerFixture.h"

namespace kd {
namespace {

using test::SchedulerTest;
using Sleep = SleepTimerState;

TEST_F(SchedulerTest, AFiveMinuteSleepSetMidMinuteCountsDownAndFiresOnTheFifthMinute) {
  settings.Snooze = 1;
  startAt(QTime(10, 2, 30));
  alarm.setSleepMinutes(5);
  EXPECT_EQ(face.sleep, Sleep::countdown(5));
  runUntil(QTime(10, 3, 0, 100));
  EXPECT_EQ(face.sleep, Sleep::countdown(4));
  runUntil(QTime(10, 6, 59));
  EXPECT_EQ(settings.Snooze, 1);
  runUntil(QTime(10, 7, 0, 100));
  EXPECT_EQ(face.sleep, Sleep::countdown(0));
  EXPECT_EQ(settings.Snooze, 0);  // the timer disarms itself
  runFor(250);
  EXPECT_EQ(face.sleep, Sleep::off());
  EXPECT_EQ(face.sleepShown,
            (QList<Sleep>{Sleep::countdown(30), Sleep::countdown(5), Sleep::countdown(4),
                          Sleep::countdown(3), Sleep::countdown(2), Sleep::countdown(1),
                          Sleep::countdown(0), Sleep::off()}));
}

TEST_F(SchedulerTest, ASleepTimerArmedAtStartUpRunsThirtyMinutesThenFadesOutAndStops) {
  settings.Snooze = 1;
  settings.SnoozeHide = 1;
  playAt(0.8f);
  startAt(QTime(22, 0, 10));
  EXPECT_EQ(face.sleep, Sleep::countdown(30));
  runUntil(QTime(22, 29, 59));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_FALSE(player.hidden);

  runUntil(QTime(22, 30, 3));
  EXPECT_TRUE(player.hidden);
  EXPECT_TRUE(alarm.isFading());
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_LT(model.volume(), 0.5f);

  runFor(AlarmClock::kFadeMs);
  EXPECT_FALSE(alarm.isFading());
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  // The volume went down step by step and came back for the next play.
  EXPECT_FLOAT_EQ(model.volume(), 0.8f);
  ASSERT_GE(player.volumesSet.size(), 10);
  EXPECT_TRUE(std::is_sorted(player.volumesSet.rbegin() + 1, player.volumesSet.rend()));
  EXPECT_EQ(player.volumesSet.back(), 80);
}

TEST_F(SchedulerTest, AFadeEndsWhenTheUserStopsFirst) {
  settings.Snooze = 1;
  playAt(0.6f);
  startAt(QTime(9, 0, 30));
  alarm.setSleepMinutes(1);
  runUntil(QTime(9, 1, 1));
  ASSERT_TRUE(alarm.isFading());
  model.setStatus(PlayStatus::Stopped);
  runFor(AlarmClock::kFadeStepMs);
  EXPECT_FALSE(alarm.isFading());
  EXPECT_FLOAT_EQ(model.volume(), 0.6f);
}

TEST_F(SchedulerTest, WithTheSchedulerOffNothingFiresAndTheSleepLabelStaysEmpty) {
  settings.Auto = 0;
  settings.Snooze = 1;
  settings.SnoozeMode = 1;
  settings.SnoozeTime = QStringLiteral("10:05");
  alarm.setOnOffList({QStringLiteral("E 10:10 10:20 00")});
  startAt(QTime(10, 0, 0));
  runUntil(QTime(10, 40));
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(face.sleepShown, QList<Sleep>{Sleep::off()});
}

TEST_F(SchedulerTest, ATimeOfDaySleepTimerFiresEveryDayAndStaysArmed) {
  settings.Snooze = 1;
  settings.SnoozeMode = 1;
  settings.SnoozeTime = QStringLiteral("23:00");
  playAt(0.5f);
  startAt(QTime(22, 59, 30));
  EXPECT_EQ(face.sleep, Sleep::daily(QStringLiteral("23:00")));
  runUntil(QTime(23, 0, 30));
  EXPECT_EQ(model.status(), PlayStatus::Stopped);

  playAt(0.5f);
  runUntil(QTime(22, 59, 59));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  runUntil(QTime(23, 0, 30));
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(settings.Snooze, 1);
  EXPECT_EQ(clock.now().date(), QDate(2003, 3, 16));
}

TEST_F(SchedulerTest, AnOnTimeStartsTheEntryItNamesOrTheCurrentOne) {
  addEntries(3);
  alarm.setOnOffList({QStringLiteral("E 07:30 00:00 02"), QStringLiteral("E 07:31 00:00 00"),
                      QStringLiteral("E 07:32 00:00 09")});
  startAt(QTime(7, 29, 50));
  runUntil(QTime(7, 30, 1));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_EQ(player.playedEntry, 2);

  for (const QTime minute : {QTime(7, 31, 1), QTime(7, 32, 1)}) {
    model.setStatus(PlayStatus::Stopped);
    player.playedEntry = 0;
    runUntil(minute);
    // "00" names no entry and 09 is past the end: the current entry plays.
    EXPECT_EQ(model.status(), PlayStatus::Playing);
    EXPECT_EQ(player.playedEntry, 0);
  }
}

TEST_F(SchedulerTest, AnAlarmIsNeverSilent) {
  addEntries(1);
  alarm.setOnOffList({QStringLiteral("E 06:00 00:00 01"), QStringLiteral("E 06:01 00:00 01")});
  model.setVolume(0.4f);
  player.execute(Command::ToggleMute);
  startAt(QTime(5, 59, 0));
  runUntil(QTime(6, 0, 1));
  EXPECT_FALSE(model.isMuted());
  EXPECT_FLOAT_EQ(model.volume(), 0.4f);

  // Turned right down by hand: the alarm plays at the last audible volume.
  model.setStatus(PlayStatus::Stopped);
  model.setVolume(0);
  runUntil(QTime(6, 1, 1));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_FLOAT_EQ(model.volume(), 0.4f);
}

TEST_F(SchedulerTest, OffTimesFireOnTheirDaysAndAZeroOnTimeStartsNothing) {
  // 15 March 2003 is a Saturday.
  alarm.setOnOffList({QStringLiteral("E 00:00 12:30 00"), QStringLiteral("D 00:00 12:40 00"),
                      QStringLiteral("N 00:00 12:50 00")});
  startAt(QTime(23, 59, 30), QDate(2003, 3, 14));
  runUntil(QTime(0, 1));
  EXPECT_EQ(model.status(), PlayStatus::Stopped);

  // The weekday entry's 12:40 does not apply on a Saturday.
  for (const QTime offTime : {QTime(12, 30), QTime(12, 50)}) {
    playAt(0.5f);
    runUntil(offTime.addSecs(-1));
    EXPECT_EQ(model.status(), PlayStatus::Playing);
    runUntil(offTime.addSecs(10));
    EXPECT_EQ(model.status(), PlayStatus::Stopped) << offTime.toString().toStdString();
  }
}

TEST_F(SchedulerTest, WhereOneEntryEndsAsAnotherBeginsTheMusicGoesOn) {
  addEntries(2);
  alarm.setOnOffList({QStringLiteral("E 07:00 08:00 01"), QStringLiteral("E 08:00 09:00 02")});
  startAt(QTime(7, 59, 30));
  playAt(0.5f);
  runUntil(QTime(8, 0, 10));
  EXPECT_FALSE(alarm.isFading());
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_EQ(player.playedEntry, 2);
}

TEST_F(SchedulerTest, MidnightAndAJumpOfTheClockRunTheMinuteJobsOnceForTheNewMinute) {
  settings.TimeFmt = 1;
  settings.Snooze = 1;
  startAt(QTime(23, 59, 50), QDate(2003, 3, 14));
  EXPECT_EQ(face.date, QDate(2003, 3, 14));
  EXPECT_EQ(face.clockMinute(), QTime(23, 59));
  EXPECT_EQ(face.clockTimeFmt, 1);
  runUntil(QTime(0, 0, 1));
  EXPECT_EQ(face.date, QDate(2003, 3, 15));
  EXPECT_EQ(face.clockMinute(), QTime(0, 0));
  EXPECT_EQ(face.sleep, Sleep::countdown(29));

  // Suspended for twenty minutes: the count takes off the minutes that passed.
  const int shows = face.clockShows;
  clock.set(QDateTime(QDate(2003, 3, 15), QTime(0, 20, 40)));
  alarm.tick();  // the wake that was due
  EXPECT_EQ(face.clockShows, shows + 1);
  EXPECT_EQ(face.clockMinute(), QTime(0, 20));
  EXPECT_EQ(face.sleep, Sleep::countdown(9));
  EXPECT_EQ(settings.Snooze, 1);

  // Into the next day and past the end of the count.
  clock.set(QDateTime(QDate(2003, 3, 16), QTime(13, 5, 5)));
  alarm.tick();
  EXPECT_EQ(face.date, QDate(2003, 3, 16));
  EXPECT_EQ(settings.Snooze, 0);
}

TEST_F(SchedulerTest, ItWakesOnlyWhenThereIsWork) {
  startAt(QTime(8, 0, 20));
  const int before = wakes;
  runFor(60LL * 60 * 1000);
  // Once a minute, for the clock.
  EXPECT_NEAR(wakes - before, 60, 1);
  EXPECT_EQ(face.titleSteps, 0);

  // A long title scrolls five times a second, only while scrolling is on.
  face.longTitle = true;
  settings.ScrollName = 1;
  runFor(10'000);
  EXPECT_NEAR(face.titleSteps, 50, 1);
  settings.ScrollName = 0;
  runFor(10'000);
  EXPECT_NEAR(face.titleSteps, 50, 1);
}

}  // namespace
}  // namespace kd
