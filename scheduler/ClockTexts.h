#pragma once
// The clock and calendar texts the main window shows: the clock label, the
// long date, the day name and the day letter the on/off list is matched
// against. The names are English whatever the locale; only the 12-hour
// clock's designators come from the system.

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

namespace kd {

// "hh:mm" on a 24-hour clock: what sleep and on/off times are compared with.
QString HourMinute(QTime time);

// The clock label: "hh:mm" and three blanks on a 24-hour clock (`timeFmt` not
// 0); on a 12-hour clock the hour 01..12, the minute, a blank and `am` or `pm`.
QString ClockLabelText(QTime now, int16_t timeFmt, const QString& am, const QString& pm);

struct DayTexts {
  QString longDate;  // "Sat Mar  15, 2003"
  QString dayName;   // "Sat"
  QChar dayLetter;   // U M T W R F S, Sunday to Saturday
};
DayTexts MakeDayTexts(QDate date);

}  // namespace kd
