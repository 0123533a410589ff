#pragma once
// The small number-to-text forms that labels and stored settings use.

#include <QString>
#include <QStringView>
#include <cstdint>

namespace kd {

// " 1", " 0", "-3": a blank stands where a minus sign would be.
QString BlankLed(int64_t value);
// "1", "-3".
QString PlainNumber(int64_t value);
// At least `digits` digits with leading zeros ("00" form: 7 -> "07", 123 -> "123",
// -1 -> "-01").
QString ZeroPadded(int64_t value, int digits);
// The "###" form: the value rounded to a whole number, no leading zeros; a
// value that rounds to 0 gives "" (0.4 -> "", 99.5 -> "100", -50 -> "-50").
QString HashForm(double value);
// "m:ss" for a count of whole seconds: minutes without leading zeros (65 ->
// "1:05", 754 -> "12:34", 5 -> "0:05"). Negative counts keep their sign on
// both parts as integer division gives them.
QString MinutesSeconds(int64_t seconds);
// Fixed-point text with `decimals` digits after the point and at least
// `intDigits` before it ("000.0" form: 5.5 -> "005.5").
QString FixedForm(double value, int intDigits, int decimals);

// The text without blanks (spaces only; tabs stay) at either end.
QStringView TrimBlanks(QStringView text);

}  // namespace kd
