#include <gtest/gtest.h>

#include "scheduler/TimeKeys.h"

namespace kd {
namespace {

TEST(TimeKeys, TheDayLetterAndTheHourAndMinute) {
  EXPECT_EQ(DayLetter(QDate(2003, 3, 15)), QLatin1Char('S'));
  EXPECT_EQ(DayLetter(QDate(2003, 1, 5)), QLatin1Char('U'));
  EXPECT_EQ(DayLetter(QDate(2026, 12, 3)), QLatin1Char('R'));
  EXPECT_EQ(HourMinute(QTime(7, 5, 59)), QStringLiteral("07:05"));
}

}  // namespace
}  // namespace kd
