#include <gtest/gtest.h>

#include "util/Numbers.h"
#include "util/TextForms.h"

using namespace kd;

TEST(Numbers, LeadingNumberReadsAsFarAsANumberGoes) {
  EXPECT_EQ(LeadingNumber(u" 1"), 1);
  EXPECT_EQ(LeadingNumber(u"250ms"), 250);
  EXPECT_EQ(LeadingNumber(u"-3.5x"), -3.5);
  EXPECT_EQ(LeadingNumber(u"1e3"), 1000);
  EXPECT_EQ(LeadingNumber(u"2e"), 2);  // an exponent without digits is not one
  EXPECT_EQ(LeadingNumber(u""), 0);
  EXPECT_EQ(LeadingNumber(u"abc"), 0);
  EXPECT_EQ(LeadingNumber(u"-"), 0);
  EXPECT_EQ(LeadingNumber(u".5"), 0.5);
}

TEST(Numbers, RoundsHalvesToEvenAndClamps) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(readInt16(u"40000"), 32767);
  EXPECT_EQ(readInt16(u"-40000"), -32768);
  EXPECT_EQ(readInt16(u"1e300"), 32767);
  EXPECT_EQ(readInt32(u"4320"), 4320);
  EXPECT_EQ(readInt32(u"99999999999"), 2147483647);
}

TEST(Numbers, IntegersAndOtherNumbersReadAlike) {
  // Plain integers take a shorter path; anything a number can go on with
  // takes the full one, and both agree with LeadingNumber.
  EXPECT_EQ(readInt32(u" \t+42,"), 42);
  EXPECT_EQ(readInt32(u"-0"), 0);
  EXPECT_EQ(readInt32(u"007px"), 7);
  EXPECT_EQ(readInt32(u"-2147483649"), -2147483647 - 1);
  EXPECT_EQ(readInt32(u"123456789012345678901234"), 2147483647);  // past 18 digits
  EXPECT_EQ(readInt32(u"2e3"), 2000);
  EXPECT_EQ(readInt32(u"2.5"), 2);
  EXPECT_EQ(readInt32(u"3.5"), 4);
  EXPECT_EQ(readInt32(u"-"), 0);
  EXPECT_EQ(readInt16(u"-99999"), -32768);
}

TEST(TextForms, NumberForms) {
  EXPECT_EQ(BlankLed(1), " 1");
  EXPECT_EQ(BlankLed(0), " 0");
  EXPECT_EQ(BlankLed(-4), "-4");
  EXPECT_EQ(PlainNumber(1), "1");
  EXPECT_EQ(ZeroPadded(7, 2), "07");
  EXPECT_EQ(ZeroPadded(123, 2), "123");
  EXPECT_EQ(ZeroPadded(-1, 2), "-01");
  EXPECT_EQ(HashForm(100), "100");
  EXPECT_EQ(HashForm(0), "");
  EXPECT_EQ(HashForm(59.99999), "60");
  EXPECT_EQ(MinutesSeconds(65), "1:05");
  EXPECT_EQ(MinutesSeconds(754), "12:34");
  EXPECT_EQ(MinutesSeconds(0), "0:00");
  EXPECT_EQ(FixedForm(5.5, 3, 1), "005.5");
  EXPECT_EQ(FixedForm(12.25, 3, 3), "012.250");
}

TEST(TextForms, TrimBlanksTakesSpacesOnlyFromBothEnds) {
  EXPECT_EQ(TrimBlanks(u"  \ta b\t  ").toString(), "\ta b\t");
  EXPECT_EQ(TrimBlanks(u"   ").toString(), "");
}
