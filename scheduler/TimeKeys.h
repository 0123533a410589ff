#pragma once
// The forms the alarm clock matches times and days in: "hh:mm" on a 24-hour
// clock, as sleep and on/off times are written, and the on/off list's letter
// for the day of the week.

#include <QChar>
#include <QDate>
#include <QString>
#include <QTime>

namespace kd {

// "hh:mm" on a 24-hour clock.
QString HourMinute(QTime time);

// U M T W R F S, Sunday to Saturday.
QChar DayLetter(QDate date);

}  // namespace kd
