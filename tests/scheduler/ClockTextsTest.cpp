#include <gtest/gtest.h>

#include "scheduler/ClockTexts.h"

namespace kd {
namespace {

TEST(ClockTexts, TheDayTextsOfADate) {
  const DayTexts saturday = MakeDayTexts(QDate(2003, 3, 15));
  EXPECT_EQ(saturday.longDate, QStringLiteral("Sat Mar  15, 2003"));
  EXPECT_EQ(saturday.dayName, QStringLiteral("Sat"));
  EXPECT_EQ(saturday.dayLetter, QLatin1Char('S'));

  const DayTexts sunday = MakeDayTexts(QDate(2003, 1, 5));
  EXPECT_EQ(sunday.longDate, QStringLiteral("Sun Jan  5, 2003"));
  EXPECT_EQ(sunday.dayLetter, QLatin1Char('U'));
  EXPECT_EQ(MakeDayTexts(QDate(2026, 12, 31)).longDate, QStringLiteral("Thu Dec  31, 2026"));
  EXPECT_EQ(MakeDayTexts(QDate(2026, 12, 3)).dayLetter, QLatin1Char('R'));
}

TEST(ClockTexts, TheClockLabelOnBothClocks) {
  const auto label = [](QTime now, int16_t timeFmt) {
    return ClockLabelText(now, timeFmt, QStringLiteral("AM"), QStringLiteral("PM"));
  };
  EXPECT_EQ(label(QTime(21, 7), 1), QStringLiteral("21:07   "));
  EXPECT_EQ(label(QTime(21, 7), 0), QStringLiteral("09:07 PM"));
  EXPECT_EQ(label(QTime(0, 30), 0), QStringLiteral("12:30 AM"));
  EXPECT_EQ(label(QTime(12, 0), 0), QStringLiteral("12:00 PM"));
  EXPECT_EQ(HourMinute(QTime(7, 5, 59)), QStringLiteral("07:05"));
}

}  // namespace
}  // namespace kd
