#include "util/Numbers.h"

#include <cmath>
#include <limits>
#include <string>

namespace kd {

namespace {

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
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
  return ClampToInt16(RoundHalfEven(LeadingNumber(text)));
}

int32_t readInt32(QStringView text) {
  return ClampToInt32(RoundHalfEven(LeadingNumber(text)));
}

}  // namespace kd
