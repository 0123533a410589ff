#include "skin/FieldReader.h"

#include "util/Numbers.h"

namespace kd {

namespace {

bool IsBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

}  // namespace

FieldReader::FieldReader(QString text) : m_text(std::move(text)) {}

bool FieldReader::atLineEnd() const {
  return m_pos < m_text.size() && IsLineBreak(m_text[m_pos]);
}

void FieldReader::consumeLineEnd() {
  if (m_pos >= m_text.size()) return;
  if (m_text[m_pos] == QLatin1Char('\r')) {
    ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n')) ++m_pos;
  } else if (m_text[m_pos] == QLatin1Char('\n')) {
    ++m_pos;
  }
}

QString FieldReader::readField() {
  if (atEnd()) {
    m_pastEnd = true;
    return {};
  }
  const qsizetype n = m_text.size();
  while (m_pos < n && IsBlank(m_text[m_pos])) ++m_pos;
  if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) return readQuoted();

  const qsizetype start = m_pos;
  while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !IsLineBreak(m_text[m_pos])) ++m_pos;
  qsizetype end = m_pos;
  while (end > start && IsBlank(m_text[end - 1])) --end;
  QString field = m_text.mid(start, end - start);
  if (m_pos < n && m_text[m_pos] == QLatin1Char(',')) {
    ++m_pos;
  } else {
    consumeLineEnd();
  }
  return field;
}

QString FieldReader::readQuoted() {
  const qsizetype n = m_text.size();
  ++m_pos;  // the opening quote
  const qsizetype start = m_pos;
  while (m_pos < n && m_text[m_pos] != QLatin1Char('"') && !IsLineBreak(m_text[m_pos])) ++m_pos;
  QString field = m_text.mid(start, m_pos - start);
  if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) {
    ++m_pos;
    // Anything between the closing quote and the delimiter is not part of the field.
    while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !IsLineBreak(m_text[m_pos])) ++m_pos;
    if (m_pos < n && m_text[m_pos] == QLatin1Char(',')) {
      ++m_pos;
      return field;
    }
  }
  consumeLineEnd();
  return field;
}

QString FieldReader::readLine() {
  if (atEnd()) {
    m_pastEnd = true;
    return {};
  }
  const qsizetype start = m_pos;
  while (m_pos < m_text.size() && !atLineEnd()) ++m_pos;
  QString line = m_text.mid(start, m_pos - start);
  consumeLineEnd();
  return line;
}

int32_t FieldReader::readInt32() {
  return kd::readInt32(readField());
}

int16_t FieldReader::readInt16() {
  return kd::readInt16(readField());
}

}  // namespace kd
