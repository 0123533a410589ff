#pragma once
// The main window's alarm clock: it keeps the clock, the date and the
// scrolling title moving, runs the sleep timer (after a number of minutes, or daily at
// a time of day) and the weekly on/off list, and drives the player through
// the command executor when one of them fires.
//
// It wakes only when there is work: at each minute boundary, every 200 ms
// while the title scrolls or the sleep label waits to be shown, and every
// 100 ms while a fade runs. Tests call tick() with a fake clock.

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

#include "scheduler/ClockFace.h"
#include "scheduler/OnOffList.h"

namespace kd {

class CommandExecutor;
class PlayerModel;
class Playlist;
class WallClock;
struct Settings;

class AlarmClock : public QObject {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 200;
  static constexpr int kFadeStepMs = 100;
  // A firing sleep timer or off time fades the music out over this span.
  static constexpr int kFadeMs = 6000;
  // The minutes a sleep timer armed without a chosen count runs for.
  static constexpr int kDefaultSleepMinutes = 30;
  // The volume an alarm starts at when the player was silent and no
  // audible volume was ever seen.
  static constexpr int kFallbackAlarmPercent = 50;

  AlarmClock(Settings& settings, const WallClock& clock, ClockFace& face, CommandExecutor& commands,
             const PlayerModel& model, const Playlist& playlist, QObject* parent = nullptr);

  // Shows the clock and the date and starts waking.
  void start();
  // One wake's jobs; start() has the timer call it.
  void tick();
  // Milliseconds until the next wake with work to do.
  int nextWakeMs() const;

  // The scheduling settings changed (a dialog): the sleep label and the
  // title follow at once.
  void settingsChanged();
  // A sleep count chosen by the user, in minutes; shown at the next wake.
  void setSleepMinutes(int minutes);
  // Minutes left on a minutes-mode sleep timer; negative while a newly set
  // count waits to be shown.
  int sleepCount() const { return m_sleepCount; }
  bool isFading() const { return m_fade.has_value(); }

  const QStringList& onOffList() const { return m_onOffList; }
  void setOnOffList(const QStringList& entries);

 private:
  struct Fade {
    int64_t startMs = 0;
    int fromPercent = 0;
    int lastPercent = 0;
  };

  void rearm();
  void minuteJobs(const QDateTime& now, int64_t minutesPassed);
  void sleepStep(const QString& hourMinute, int64_t minutesPassed);
  void onOffStep(const QString& hourMinute);
  void showDate(QDate date);
  void showSleepTimer(const SleepTimerState& timer);
  void showPendingSleepTimer();
  bool sleepArmed() const;
  bool sleepTimerPending() const;
  SleepTimerState sleepTimerState() const;
  bool titleScrolls() const;

  void fire();
  void startPlayback(int entryNumber);
  void fadeStep();
  void endFade(bool stopPlayback);
  void noteVolume(float volume);

  Settings& m_settings;
  const WallClock& m_clock;
  ClockFace& m_face;
  CommandExecutor& m_commands;
  const PlayerModel& m_model;
  const Playlist& m_playlist;
  QTimer m_timer;

  int64_t m_lastMinute = 0;  // minutes since the epoch of the last minute jobs
  QDate m_shownDate;
  QChar m_dayLetter;
  int m_sleepCount = -kDefaultSleepMinutes;
  std::optional<SleepTimerState> m_sleepShown;  // nullopt before the first
  QStringList m_onOffList;
  std::vector<OnOffEntry> m_onOffEntries;
  std::optional<Fade> m_fade;
  int m_lastAudiblePercent = kFallbackAlarmPercent;
};

}  // namespace kd
