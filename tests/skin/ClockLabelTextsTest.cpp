#include <gtest/gtest.h>

#include "skin/ClockLabelTexts.h"

namespace kd {
namespace {

TEST(ClockLabelTexts, TheLongDateAndTheDayName) {
  EXPECT_EQ(LongDateText(QDate(2003, 3, 15)), QStringLiteral("Sat Mar  15, 2003"));
  EXPECT_EQ(DayNameText(QDate(2003, 3, 15)), QStringLiteral("Sat"));
  EXPECT_EQ(LongDateText(QDate(2003, 1, 5)), QStringLiteral("Sun Jan  5, 2003"));
  EXPECT_EQ(LongDateText(QDate(2026, 12, 31)), QStringLiteral("Thu Dec  31, 2026"));
}

TEST(ClockLabelTexts, TheClockLabelOnBothClocks) {
  const auto label = [](QTime now, int16_t timeFmt) {
    return ClockLabelText(now, timeFmt, QStringLiteral("AM"), QStringLiteral("PM"));
  };
  EXPECT_EQ(label(QTime(21, 7), 1), QStringLiteral("21:07   "));
  EXPECT_EQ(label(QTime(21, 7), 0), QStringLiteral("09:07 PM"));
  EXPECT_EQ(label(QTime(0, 30), 0), QStringLiteral("12:30 AM"));
  EXPECT_EQ(label(QTime(12, 0), 0), QStringLiteral("12:00 PM"));
}

TEST(ClockLabelTexts, TheSleepLabelInEachMode) {
  EXPECT_EQ(SleepLabelText(SleepTimerState::off()), QString());
  EXPECT_EQ(SleepLabelText(SleepTimerState::countdown(5)), QStringLiteral("05"));
  EXPECT_EQ(SleepLabelText(SleepTimerState::countdown(0)), QStringLiteral("00"));
  EXPECT_EQ(SleepLabelText(SleepTimerState::countdown(120)), QStringLiteral("120"));
  // The time as the user typed it, checked or not.
  EXPECT_EQ(SleepLabelText(SleepTimerState::daily(QStringLiteral("7:5"))), QStringLiteral("7:5"));
}

}  // namespace
}  // namespace kd
