#include "skin/ClockLabelTexts.h"

#include "skin/DisplayText.h"
#include "util/TextForms.h"

namespace kd {

namespace {

QString ThreeLetters(const char* names, int index) {
  return QString::fromLatin1(names + 3 * index, 3);
}

}  // namespace

QString ClockLabelText(QTime now, int16_t timeFmt, const QString& am, const QString& pm) {
  const QString hourMinute =
      ZeroPadded(ShownHour(now, timeFmt), 2) + QLatin1Char(':') + ZeroPadded(now.minute(), 2);
  if (timeFmt != 0) return hourMinute + QStringLiteral("   ");
  return hourMinute + QLatin1Char(' ') + (now.hour() < 12 ? am : pm);
}

QString SleepLabelText(const SleepTimerState& timer) {
  switch (timer.mode) {
    case SleepTimerState::Mode::Countdown:
      return ZeroPadded(timer.minutesLeft, 2);
    case SleepTimerState::Mode::Daily:
      return timer.firesAt;
    case SleepTimerState::Mode::Off:
      break;
  }
  return QString();
}

QString LongDateText(QDate date) {
  const QString month = ThreeLetters("JanFebMarAprMayJunJulAugSepOctNovDec", date.month() - 1);
  return DayNameText(date) + QLatin1Char(' ') + month + QLatin1Char(' ') + BlankLed(date.day()) +
         QLatin1Char(',') + BlankLed(date.year());
}

QString DayNameText(QDate date) {
  // Qt numbers the days 1 (Monday) .. 7 (Sunday); the names start on Sunday.
  return ThreeLetters("SunMonTueWedThuFriSat", date.dayOfWeek() % 7);
}

}  // namespace kd
