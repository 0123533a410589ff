#include "util/TextForms.h"

#include <cmath>

namespace kd {

QString BlankLed(int64_t value) {
  return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString PlainNumber(int64_t value) {
  return QString::number(value);
}

QString ZeroPadded(int64_t value, int digits) {
  const bool negative = value < 0;
  const uint64_t magnitude =
      negative ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
  QString text = QString::number(magnitude).rightJustified(digits, QLatin1Char('0'));
  return negative ? QLatin1Char('-') + text : text;
}

QString HashForm(double value) {
  if (!std::isfinite(value)) return {};
  // Number formats round halves away from zero.
  const double rounded = std::round(value);
  if (rounded == 0.0) return {};
  return QString::number(static_cast<int64_t>(rounded));
}

QString MinutesSeconds(int64_t seconds) {
  const int64_t minutes = seconds / 60;
  const int64_t rest = seconds - minutes * 60;
  return QString::number(minutes) + QLatin1Char(':') + ZeroPadded(rest, 2);
}

QString FixedForm(double value, int intDigits, int decimals) {
  if (!std::isfinite(value)) value = 0;
  const bool negative = value < 0;
  QString text = QString::number(std::fabs(value), 'f', decimals);
  const qsizetype dot = text.indexOf(QLatin1Char('.'));
  const qsizetype intLen = dot < 0 ? text.size() : dot;
  if (intLen < intDigits) text.prepend(QString(intDigits - intLen, QLatin1Char('0')));
  return negative ? QLatin1Char('-') + text : text;
}

QStringView TrimBlanks(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
  while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
  return text.sliced(begin, end - begin);
}

}  // namespace kd
