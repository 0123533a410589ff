#pragma once
// What the alarm clock tells the main window: the time, the sleep timer and
// the day. The skin presenter puts them into words on the skin's numbered
// labels and displays.

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

namespace kd {

// The sleep timer as its label reports it: off, counting down the minutes
// left, or firing every day at a time of day ("hh:mm" as the user set it).
struct SleepTimerState {
  enum class Mode { Off, Countdown, Daily };
  Mode mode = Mode::Off;
  int minutesLeft = 0;
  QString firesAt;

  static SleepTimerState off() { return {}; }
  static SleepTimerState countdown(int minutesLeft) { return {Mode::Countdown, minutesLeft, {}}; }
  static SleepTimerState daily(const QString& firesAt) { return {Mode::Daily, 0, firesAt}; }
  bool operator==(const SleepTimerState&) const = default;
};

class ClockFace {
 public:
  virtual ~ClockFace() = default;
  // The clock label and display show `now`; `timeFmt` is the TimeFmt
  // setting (0: a 12-hour clock).
  virtual void showClock(QTime now, int16_t timeFmt) = 0;
  virtual void showSleepTimer(const SleepTimerState& timer) = 0;
  // The long date and the day name show `date`.
  virtual void showDate(QDate date) = 0;
  // Whether the title is longer than its display and scrolling is on.
  virtual bool titleScrolls() const = 0;
  // Moves the scrolling title on by one character.
  virtual void stepTitle() = 0;
};

}  // namespace kd
