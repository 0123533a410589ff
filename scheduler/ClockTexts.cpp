#include "scheduler/ClockTexts.h"

#include "util/TextForms.h"

namespace kd {

namespace {

// Qt numbers the days 1 (Monday) .. 7 (Sunday); these lists start on Sunday.
int SundayFirst(QDate date) {
  return date.dayOfWeek() % 7;
}

QString ThreeLetters(const char* names, int index) {
  return QString::fromLatin1(names + 3 * index, 3);
}

int TwelveHour(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace

QString HourMinute(QTime time) {
  return ZeroPadded(time.hour(), 2) + QLatin1Char(':') + ZeroPadded(time.minute(), 2);
}

QString ClockLabelText(QTime now, int16_t timeFmt, const QString& am, const QString& pm) {
  if (timeFmt != 0) return HourMinute(now) + QStringLiteral("   ");
  return ZeroPadded(TwelveHour(now.hour()), 2) + QLatin1Char(':') + ZeroPadded(now.minute(), 2) +
         QLatin1Char(' ') + (now.hour() < 12 ? am : pm);
}

DayTexts MakeDayTexts(QDate date) {
  const int day = SundayFirst(date);
  const QString dayName = ThreeLetters("SunMonTueWedThuFriSat", day);
  const QString month = ThreeLetters("JanFebMarAprMayJunJulAugSepOctNovDec", date.month() - 1);
  // The day and the year are written as signed numbers: a blank for the sign.
  const QString longDate = dayName + QLatin1Char(' ') + month + QLatin1Char(' ') +
                           BlankLed(date.day()) + QLatin1Char(',') + BlankLed(date.year());
  return {longDate, dayName, QLatin1Char("UMTWRFS"[day])};
}

}  // namespace kd
