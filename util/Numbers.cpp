#include "util/Numbers.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace kd {

namespace {

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The leading number of a text that is a plain integer (blanks, a sign, at
// most 18 digits, and then nothing a number could go on with), read without
// the text-to-double round trip; nullopt for every other text. Most numbers
// of a skin or settings file take this path.
std::optional<int64_t> LeadingInteger(QStringView text) {
  const char16_t* p = text.utf16();
  const char16_t* const end = p + text.size();
  while (p != end && (*p == u' ' || *p == u'\t')) ++p;
  const bool negative = p != end && *p == u'-';
  if (p != end && (*p == u'-' || *p == u'+')) ++p;
  const char16_t* const digits = p;
  int64_t value = 0;
  while (p != end && *p >= u'0' && *p <= u'9' && p - digits < 18)
    value = value * 10 + (*p++ - u'0');
  if (p == digits) return std::nullopt;
  if (p != end && ((*p >= u'0' && *p <= u'9') || *p == u'.' || *p == u'e' || *p == u'E'))
    return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

double LeadingNumber(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;

  std::string digits;
  if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    digits.push_back(static_cast<char>(text[i].unicode()));
    ++i;
  }
  bool any = false;
  while (i < n && IsDigit(text[i])) {
    digits.push_back(static_cast<char>(text[i].unicode()));
    ++i;
    any = true;
  }
  if (i < n && text[i] == QLatin1Char('.')) {
    digits.push_back('.');
    ++i;
    while (i < n && IsDigit(text[i])) {
      digits.push_back(static_cast<char>(text[i].unicode()));
      ++i;
      any = true;
    }
  }
  if (!any) return 0.0;
  // An exponent counts only when at least one digit follows it.
  if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < n && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+'))) {
      exponent.push_back(static_cast<char>(text[j].unicode()));
      ++j;
    }
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j]) && exponent.size() < 8) {
        exponent.push_back(static_cast<char>(text[j].unicode()));
        ++j;
      }
      digits += exponent;
    }
  }
  const double value = std::strtod(digits.c_str(), nullptr);
  return std::isfinite(value) ? value
                              : (value > 0 ? std::numeric_limits<double>::max()
                                           : -std::numeric_limits<double>::max());
}

int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = 9.2e18;
  if (value >= kMax) return std::numeric_limits<int64_t>::max();
  if (value <= -kMax) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(std::nearbyint(value));  // default mode: to even
}

int16_t ClampToInt16(int64_t value) {
  if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
  return static_cast<int16_t>(value);
}

int32_t ClampToInt32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int16_t readInt16(QStringView text) {
  if (const std::optional<int64_t> integer = LeadingInteger(text)) return ClampToInt16(*integer);
  return ClampToInt16(RoundHalfEven(LeadingNumber(text)));
}

int32_t readInt32(QStringView text) {
  if (const std::optional<int64_t> integer = LeadingInteger(text)) return ClampToInt32(*integer);
  return ClampToInt32(RoundHalfEven(LeadingNumber(text)));
}

}  // namespace kd
