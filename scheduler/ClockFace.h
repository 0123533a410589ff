#pragma once
// What the alarm clock shows and moves on the main window. The skin
// presenter carries it out on the skin's numbered labels and displays.

#include <QString>

#include "scheduler/ClockTexts.h"

namespace kd {

class ClockFace {
 public:
  virtual ~ClockFace() = default;
  virtual void showClockText(const QString& text) = 0;
  // Draws the clock display again with the time of now.
  virtual void redrawClock() = 0;
  // The sleep timer's minutes left or its time of day, "" when it is off.
  virtual void showSleepText(const QString& text) = 0;
  virtual void showDate(const DayTexts& day) = 0;
  // Whether the title is longer than its display and scrolling is on.
  virtual bool titleScrolls() const = 0;
  // Moves the scrolling title on by one character.
  virtual void stepTitle() = 0;
};

}  // namespace kd
