#include "scheduler/TimeKeys.h"

#include "util/TextForms.h"

namespace kd {

QString HourMinute(QTime time) {
  return ZeroPadded(time.hour(), 2) + QLatin1Char(':') + ZeroPadded(time.minute(), 2);
}

QChar DayLetter(QDate date) {
  // Qt numbers the days 1 (Monday) .. 7 (Sunday); the letters start on Sunday.
  return QLatin1Char("UMTWRFS"[date.dayOfWeek() % 7]);
}

}  // namespace kd
