#pragma once
// The texts of the labels the alarm clock keeps moving: the clock, the sleep
// timer, the long date and the day name. The names are English whatever the
// locale; only the 12-hour clock's designators come from the caller.

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

#include "scheduler/ClockFace.h"

namespace kd {

// "hh:mm" and three blanks on a 24-hour clock (`timeFmt` not 0); on a
// 12-hour clock the hour 01..12, the minute, a blank and `am` or `pm`.
QString ClockLabelText(QTime now, int16_t timeFmt, const QString& am, const QString& pm);

// "" while the timer is off, the minutes left with at least two digits
// ("05"), or the time of day it fires at as the user set it.
QString SleepLabelText(const SleepTimerState& timer);

// "Sat Mar  15, 2003": the day and the year are written as signed numbers,
// with a blank where the sign would be.
QString LongDateText(QDate date);

// "Sat".
QString DayNameText(QDate date);

}  // namespace kd
