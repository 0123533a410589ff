#pragma once
// Lenient number reading and rounding as the stored texts and skin files need.

#include <QStringView>
#include <cstdint>

namespace kd {

// Reads the leading number of a text: leading blanks and tabs are skipped,
// then an optional sign, digits, an optional fraction and an optional
// exponent. The number ends at the first character that cannot continue it.
// A text without a leading number reads as 0.
double LeadingNumber(QStringView text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
// Values beyond the 64-bit range saturate.
int64_t RoundHalfEven(double value);

// Clamps into the 16-bit / 32-bit signed range.
int16_t ClampToInt16(int64_t value);
int32_t ClampToInt32(int64_t value);

// LeadingNumber, rounded halves to even, clamped to 16 bits.
int16_t readInt16(QStringView text);
// LeadingNumber, rounded halves to even, clamped to 32 bits.
int32_t readInt32(QStringView text);

}  // namespace kd
