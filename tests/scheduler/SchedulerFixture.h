#pragma once
// The alarm clock on a clock the test moves, a face that keeps what it was
// asked to show, and a player stand-in that does what the commands ask.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <ostream>

#include "core/Commands.h"
#include "core/Settings.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"
#include "scheduler/AlarmClock.h"
#include "scheduler/ClockFace.h"
#include "scheduler/WallClock.h"

namespace kd {

// How a failed comparison names a sleep timer.
inline void PrintTo(const SleepTimerState& timer, std::ostream* out) {
  switch (timer.mode) {
    case SleepTimerState::Mode::Off:
      *out << "off";
      break;
    case SleepTimerState::Mode::Countdown:
      *out << timer.minutesLeft << " minutes left";
      break;
    case SleepTimerState::Mode::Daily:
      *out << "daily at " << timer.firesAt.toStdString();
      break;
  }
}

}  // namespace kd

namespace kd::test {

class FakeWallClock : public WallClock {
 public:
  QDateTime now() const override { return m_now; }
  int64_t steadyMs() const override { return m_steady; }
  // Time passes.
  void advance(int64_t ms) {
    m_now = m_now.addMSecs(ms);
    m_steady += ms;
  }
  // The wall clock is set (a suspend, a time change): no steady time passes.
  void set(const QDateTime& time) { m_now = time; }

 private:
  QDateTime m_now{QDate(2003, 3, 15), QTime(10, 2, 30)};
  int64_t m_steady = 1000;
};

class RecordingFace : public ClockFace {
 public:
  void showClock(QTime now, int16_t timeFmt) override {
    clock = now;
    clockTimeFmt = timeFmt;
    ++clockShows;
  }
  void showSleepTimer(const SleepTimerState& timer) override {
    sleep = timer;
    sleepShown.append(timer);
  }
  void showDate(QDate shown) override { date = shown; }
  bool titleScrolls() const override { return longTitle; }
  void stepTitle() override { ++titleSteps; }

  // The hour and minute the clock was told last.
  QTime clockMinute() const { return QTime(clock.hour(), clock.minute()); }

  QTime clock;
  int16_t clockTimeFmt = -1;
  int clockShows = 0;
  std::optional<SleepTimerState> sleep;  // nullopt: never told
  QList<SleepTimerState> sleepShown;
  QDate date;
  bool longTitle = false;
  int titleSteps = 0;
};

// Carries out the commands the alarm clock runs on the model, as the
// program's executor would.
class PlayerStandIn : public CommandExecutor {
 public:
  explicit PlayerStandIn(PlayerModel& model) : m_model(model) {}
  using CommandExecutor::execute;
  void execute(int code, const CommandArgument& argument) override {
    const int number = std::holds_alternative<int>(argument) ? std::get<int>(argument) : 0;
    switch (static_cast<Command>(code)) {
      case Command::Stop:
        m_model.setStatus(PlayStatus::Stopped);
        break;
      case Command::Play:
        m_model.setStatus(PlayStatus::Playing);
        break;
      case Command::PlayEntry:
        playedEntry = number;
        m_model.setStatus(PlayStatus::Playing);
        break;
      case Command::SetVolume:
        m_model.setVolume(static_cast<float>(number) / 100.0f);
        volumesSet.append(number);
        break;
      case Command::ToggleMute:
        if (m_model.isMuted()) {
          m_model.setMuted(false);
          m_model.setVolume(volumeBeforeMute);
        } else {
          volumeBeforeMute = m_model.volume();
          m_model.setVolume(0);
          m_model.setMuted(true);
        }
        break;
      case Command::Hide:
        hidden = true;
        break;
      default:
        ADD_FAILURE() << "unexpected command " << code;
    }
  }

  int playedEntry = 0;
  QList<int> volumesSet;
  float volumeBeforeMute = 0;
  bool hidden = false;

 private:
  PlayerModel& m_model;
};

class SchedulerTest : public ::testing::Test {
 protected:
  SchedulerTest() {
    settings.Auto = 1;
    model.setVolume(0.8f);
  }

  void startAt(QTime time, QDate date = QDate(2003, 3, 15)) {
    clock.set(QDateTime(date, time));
    alarm.start();
  }
  // Lets `ms` pass, waking the alarm clock when it asks to be woken.
  void runFor(int64_t ms) {
    while (ms > 0) {
      const int64_t wait = alarm.nextWakeMs();
      if (wait > ms) {
        clock.advance(ms);
        return;
      }
      clock.advance(wait);
      ms -= wait;
      alarm.tick();
      ++wakes;
    }
  }
  // Runs until the wall clock reads `time` (today, or tomorrow when past).
  void runUntil(QTime time) {
    QDateTime target(clock.now().date(), time);
    if (target <= clock.now()) target = target.addDays(1);
    runFor(clock.now().msecsTo(target));
  }
  void playAt(float volume) {
    model.setStatus(PlayStatus::Playing);
    model.setVolume(volume);
  }
  void addEntries(int count) {
    for (int i = 1; i <= count; ++i)
      playlist.append({QStringLiteral("%1").arg(i), QStringLiteral("/music/%1.mp3").arg(i)});
  }

  Settings settings;
  FakeWallClock clock;
  RecordingFace face;
  PlayerModel model;
  Playlist playlist;
  PlayerStandIn player{model};
  AlarmClock alarm{settings, clock, face, player, model, playlist};
  int wakes = 0;
};

}  // namespace kd::test
