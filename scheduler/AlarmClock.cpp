#include "scheduler/AlarmClock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Commands.h"
#include "core/Settings.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"
#include "scheduler/TimeKeys.h"
#include "scheduler/WallClock.h"

namespace kd {

namespace {

constexpr int64_t kMsPerMinute = 60'000;
// Wake a little after the minute turns, so the clock reads the new minute.
constexpr int64_t kPastTheMinuteMs = 5;

// Whole minutes since the epoch. Every time zone is offset by a multiple of
// a quarter hour, so these turn with the local minutes.
int64_t MinuteIndex(const QDateTime& time) {
  const int64_t ms = time.toMSecsSinceEpoch();
  return ms >= 0 ? ms / kMsPerMinute : (ms - kMsPerMinute + 1) / kMsPerMinute;
}

int PercentOf(float volume) {
  return static_cast<int>(std::lround(volume * 100.0f));
}

}  // namespace

AlarmClock::AlarmClock(Settings& settings, const WallClock& clock, ClockFace& face,
                       CommandExecutor& commands, const PlayerModel& model,
                       const Playlist& playlist, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_clock(clock),
      m_face(face),
      m_commands(commands),
      m_model(model),
      m_playlist(playlist) {
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, [this] {
    tick();
    rearm();
  });
  // A new title may be long enough to scroll.
  connect(&model, &PlayerModel::itemChanged, this, [this] {
    if (m_timer.isActive()) rearm();
  });
  connect(&model, &PlayerModel::volumeChanged, this, &AlarmClock::noteVolume);
  noteVolume(model.volume());
}

void AlarmClock::start() {
  const QDateTime now = m_clock.now();
  m_lastMinute = MinuteIndex(now);
  m_face.showClock(now.time(), m_settings.TimeFmt);
  showDate(now.date());
  tick();
  rearm();
}

void AlarmClock::rearm() {
  const int wait = nextWakeMs();
  // The minute turns on time; a scroll step may drift a little.
  m_timer.setTimerType(wait > kTickMs ? Qt::PreciseTimer : Qt::CoarseTimer);
  m_timer.start(wait);
}

int AlarmClock::nextWakeMs() const {
  const int64_t intoMinute = m_clock.now().toMSecsSinceEpoch() % kMsPerMinute;
  int64_t wait =
      kMsPerMinute - (intoMinute < 0 ? intoMinute + kMsPerMinute : intoMinute) + kPastTheMinuteMs;
  if (titleScrolls() || sleepTimerPending()) wait = std::min<int64_t>(wait, kTickMs);
  if (m_fade) wait = std::min<int64_t>(wait, kFadeStepMs);
  return static_cast<int>(wait);
}

void AlarmClock::tick() {
  if (m_fade) fadeStep();
  if (titleScrolls()) m_face.stepTitle();
  const QDateTime now = m_clock.now();
  const int64_t minute = MinuteIndex(now);
  if (minute != m_lastMinute) {
    // A late wake or a jump of the clock runs the jobs once, for the minute
    // it is now; a clock set back counts as one minute passed.
    const int64_t passed = minute > m_lastMinute ? minute - m_lastMinute : 1;
    m_lastMinute = minute;
    minuteJobs(now, passed);
  } else {
    showPendingSleepTimer();
  }
}

void AlarmClock::settingsChanged() {
  showPendingSleepTimer();
  if (m_timer.isActive()) rearm();
}

void AlarmClock::setSleepMinutes(int minutes) {
  m_sleepCount = -std::abs(minutes);
  settingsChanged();
}

void AlarmClock::setOnOffList(const QStringList& entries) {
  m_onOffList = entries;
  m_onOffEntries.clear();
  m_onOffEntries.reserve(size_t(entries.size()));
  for (const QString& entry : entries) m_onOffEntries.push_back(OnOffEntry::parse(entry));
}

bool AlarmClock::titleScrolls() const {
  return m_settings.ScrollName == 1 && m_face.titleScrolls();
}

bool AlarmClock::sleepArmed() const {
  return m_settings.Auto == 1 && m_settings.Snooze == 1;
}

bool AlarmClock::sleepTimerPending() const {
  if (!sleepArmed()) return m_sleepShown != SleepTimerState::off();
  return m_sleepCount < 0;
}

SleepTimerState AlarmClock::sleepTimerState() const {
  if (m_settings.SnoozeMode != 0) return SleepTimerState::daily(m_settings.SnoozeTime);
  return SleepTimerState::countdown(std::max(m_sleepCount, 0));
}

void AlarmClock::showSleepTimer(const SleepTimerState& timer) {
  if (m_sleepShown == timer) return;
  m_sleepShown = timer;
  m_face.showSleepTimer(timer);
}

void AlarmClock::showPendingSleepTimer() {
  if (!sleepArmed()) {
    showSleepTimer(SleepTimerState::off());
  } else if (m_sleepCount < 0) {
    m_sleepCount = -m_sleepCount;
    showSleepTimer(sleepTimerState());
  }
}

void AlarmClock::showDate(QDate date) {
  m_shownDate = date;
  m_dayLetter = DayLetter(date);
  m_face.showDate(date);
}

void AlarmClock::minuteJobs(const QDateTime& now, int64_t minutesPassed) {
  m_face.showClock(now.time(), m_settings.TimeFmt);
  if (now.date() != m_shownDate) showDate(now.date());
  if (m_settings.Auto != 1) {
    showSleepTimer(SleepTimerState::off());
    return;
  }
  const QString hourMinute = HourMinute(now.time());
  if (m_settings.Snooze == 1) {
    sleepStep(hourMinute, minutesPassed);
  } else {
    showSleepTimer(SleepTimerState::off());
  }
  onOffStep(hourMinute);
}

void AlarmClock::sleepStep(const QString& hourMinute, int64_t minutesPassed) {
  if (m_settings.SnoozeMode != 0) {
    showSleepTimer(SleepTimerState::daily(m_settings.SnoozeTime));
    if (hourMinute == m_settings.SnoozeTime) fire();
    return;
  }
  // A count just set is taken as it was chosen, not as a request.
  const int64_t left = std::abs(int64_t{m_sleepCount}) - minutesPassed;
  m_sleepCount = static_cast<int>(std::max<int64_t>(left, 0));
  showSleepTimer(sleepTimerState());
  if (m_sleepCount < 1) {
    fire();
    m_settings.Snooze = 0;
    m_sleepCount = -kDefaultSleepMinutes;
  }
}

void AlarmClock::onOffStep(const QString& hourMinute) {
  bool stop = false;
  std::optional<int> startEntry;
  for (const OnOffEntry& entry : m_onOffEntries) {
    if (!entry.appliesOn(m_dayLetter)) continue;
    if (!startEntry && entry.startsAt(hourMinute)) startEntry = entry.entryNumber;
    stop = stop || entry.stopsAt(hourMinute);
  }
  // Where one entry ends as another begins, the music goes on.
  if (startEntry) {
    startPlayback(*startEntry);
  } else if (stop) {
    fire();
  }
}

void AlarmClock::fire() {
  if (m_settings.SnoozeHide == 1) m_commands.execute(Command::Hide);
  if (m_fade) return;
  const bool audible = !m_model.isMuted() && PercentOf(m_model.volume()) > 0;
  if (m_model.status() == PlayStatus::Playing && audible) {
    const int percent = PercentOf(m_model.volume());
    m_fade = Fade{m_clock.steadyMs(), percent, percent};
  } else if (m_model.status() != PlayStatus::Stopped) {
    m_commands.execute(Command::Stop);
  }
}

void AlarmClock::fadeStep() {
  const int64_t elapsed = m_clock.steadyMs() - m_fade->startMs;
  if (m_model.status() != PlayStatus::Playing || elapsed >= kFadeMs) {
    endFade(true);
    return;
  }
  const double left = 1.0 - static_cast<double>(elapsed) / kFadeMs;
  const int percent = static_cast<int>(std::lround(m_fade->fromPercent * left));
  if (percent == m_fade->lastPercent) return;
  m_fade->lastPercent = percent;
  m_commands.execute(Command::SetVolume, percent);
}

void AlarmClock::endFade(bool stopPlayback) {
  const int restore = m_fade->fromPercent;
  m_fade.reset();
  if (stopPlayback && m_model.status() != PlayStatus::Stopped) m_commands.execute(Command::Stop);
  // The next play, by hand or by an alarm, is heard at the volume of before.
  m_commands.execute(Command::SetVolume, restore);
}

void AlarmClock::startPlayback(int entryNumber) {
  if (m_fade) endFade(false);
  // An alarm is never silent.
  if (m_model.isMuted()) m_commands.execute(Command::ToggleMute);
  if (PercentOf(m_model.volume()) == 0)
    m_commands.execute(Command::SetVolume, m_lastAudiblePercent);
  if (entryNumber >= 1 && entryNumber <= m_playlist.count()) {
    m_commands.execute(Command::PlayEntry, entryNumber);
  } else if (m_model.status() != PlayStatus::Playing) {
    m_commands.execute(Command::Play);
  }
}

void AlarmClock::noteVolume(float volume) {
  // The fade's own steps are not the user's choice.
  if (m_fade) return;
  const int percent = PercentOf(volume);
  if (percent > 0) m_lastAudiblePercent = percent;
}

}  // namespace kd
