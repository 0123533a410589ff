#include "skin/FieldReader.h"

#include <algorithm>

#include "util/Numbers.h"

namespace kd {

namespace {

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

bool IsLineBreak(QChar c) {
  return c == u'\r' || c == u'\n';
}

}  // namespace

qsizetype FieldReader::NextOf::from(QStringView text, qsizetype pos) {
  if (m_at < pos) {
    m_at = text.indexOf(QChar(m_char), pos);
    if (m_at < 0) m_at = text.size();
  }
  return m_at;
}

FieldReader::FieldReader(QString text) : m_text(std::move(text)) {}

qsizetype FieldReader::lineEndFrom(qsizetype pos) {
  return std::min(m_cr.from(m_text, pos), m_lf.from(m_text, pos));
}

qsizetype FieldReader::fieldEndFrom(qsizetype pos) {
  return std::min(m_comma.from(m_text, pos), lineEndFrom(pos));
}

bool FieldReader::atLineEnd() const {
  return m_pos < m_text.size() && IsLineBreak(m_text.at(m_pos));
}

void FieldReader::consumeLineEnd() {
  const QStringView text = m_text;
  if (m_pos >= text.size()) return;
  if (text[m_pos] == u'\r') {
    ++m_pos;
    if (m_pos < text.size() && text[m_pos] == u'\n') ++m_pos;
  } else if (text[m_pos] == u'\n') {
    ++m_pos;
  }
}

QStringView FieldReader::readFieldView() {
  if (atEnd()) {
    m_pastEnd = true;
    return {};
  }
  const QStringView text = m_text;
  while (m_pos < text.size() && IsBlank(text[m_pos])) ++m_pos;
  if (m_pos < text.size() && text[m_pos] == u'"') return readQuoted();

  const qsizetype start = m_pos;
  m_pos = fieldEndFrom(m_pos);
  qsizetype end = m_pos;
  while (end > start && IsBlank(text[end - 1])) --end;
  const QStringView field = text.sliced(start, end - start);
  if (m_pos < text.size() && text[m_pos] == u',') {
    ++m_pos;
  } else {
    consumeLineEnd();
  }
  return field;
}

QStringView FieldReader::readQuoted() {
  const QStringView text = m_text;
  ++m_pos;  // the opening quote
  const qsizetype start = m_pos;
  m_pos = std::min(m_quote.from(text, m_pos), lineEndFrom(m_pos));
  const QStringView field = text.sliced(start, m_pos - start);
  if (m_pos < text.size() && text[m_pos] == u'"') {
    ++m_pos;
    // Anything between the closing quote and the delimiter is not part of the field.
    m_pos = fieldEndFrom(m_pos);
    if (m_pos < text.size() && text[m_pos] == u',') {
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
  m_pos = lineEndFrom(m_pos);
  QString line = m_text.mid(start, m_pos - start);
  consumeLineEnd();
  return line;
}

int32_t FieldReader::readInt32() {
  return kd::readInt32(readFieldView());
}

int16_t FieldReader::readInt16() {
  return kd::readInt16(readFieldView());
}

}  // namespace kd
