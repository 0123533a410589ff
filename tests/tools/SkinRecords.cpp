#include "SkinRecords.h"

namespace kd::test {

namespace {

// Reads fields: a field ends at a comma or a line end, blanks before it are
// skipped, a field in double quotes may hold commas.
class FieldCursor {
 public:
  explicit FieldCursor(const QString& text) : m_text(text) {}

  bool atEnd() const { return m_pos >= m_text.size(); }
  int line() const { return m_line; }
  bool atLineStart() const { return m_lineStart; }
  bool endedAtComma() const { return m_endedAtComma; }

  QString next() {
    m_lineStart = m_pos == 0 || m_text.at(m_pos - 1) == u'\n' || m_text.at(m_pos - 1) == u'\r';
    m_fieldLine = m_line;
    while (m_pos < m_text.size() && m_text.at(m_pos) == u' ') ++m_pos;
    QString field;
    if (m_pos < m_text.size() && m_text.at(m_pos) == u'"') {
      const qsizetype close = m_text.indexOf(u'"', m_pos + 1);
      const qsizetype end = close < 0 ? m_text.size() : close;
      field = m_text.mid(m_pos + 1, end - m_pos - 1);
      m_pos = close < 0 ? m_text.size() : close + 1;
      while (m_pos < m_text.size() && !isDelimiter(m_text.at(m_pos))) ++m_pos;
    } else {
      while (m_pos < m_text.size() && !isDelimiter(m_text.at(m_pos))) field += m_text.at(m_pos++);
    }
    consumeDelimiter();
    return field;
  }

  // The rest of the current line after a comma, or the whole next line.
  QString restOfLine() {
    QString rest;
    while (m_pos < m_text.size() && m_text.at(m_pos) != u'\r' && m_text.at(m_pos) != u'\n')
      rest += m_text.at(m_pos++);
    consumeDelimiter();
    return rest;
  }

  int fieldLine() const { return m_fieldLine; }

 private:
  static bool isDelimiter(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }

  void consumeDelimiter() {
    m_endedAtComma = false;
    if (m_pos >= m_text.size()) return;
    const QChar c = m_text.at(m_pos++);
    if (c == u',') {
      m_endedAtComma = true;
    } else {
      if (c == u'\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\n') ++m_pos;
      ++m_line;
    }
  }

  const QString& m_text;
  qsizetype m_pos = 0;
  int m_line = 1;
  int m_fieldLine = 1;
  bool m_lineStart = true;
  bool m_endedAtComma = false;
};

int IndexOf(const QString& key) {
  int value = 0;
  for (qsizetype i = 1; i < key.size() && key.at(i).isDigit(); ++i)
    value = value * 10 + key.at(i).digitValue();
  return value;
}

QList<int> Numbers(FieldCursor& in, int count, const QString& what, QStringList& problems) {
  QList<int> values;
  for (int i = 0; i < count; ++i) {
    int v = 0;
    const QString field = in.next();
    if (!ParseInt(field, &v)) problems += what + ": not a number: " + field;
    values += v;
  }
  if (in.endedAtComma()) problems += what + ": more fields than expected on its line";
  return values;
}

void ReadRecord(FieldCursor& in, const QString& key, SkinText& out) {
  SkinRecord r;
  r.key = key;
  r.kind = key.isEmpty() ? QChar() : key.at(0);
  r.index = IndexOf(key);
  r.line = in.fieldLine();
  if (!in.atLineStart()) out.problems += "record " + key + " does not start a line";
  const int count = FieldCount(r.kind);
  if (count == -2) {
    out.problems += "unknown record kind: '" + key + "'";
    return;
  }
  if (count == -1) {
    if (!in.endedAtComma()) out.problems += key + " without a comma swallows the next line";
    const QString text = in.restOfLine();
    if (r.kind == u'/') out.moreInfo += text;
    r.fields += text;
    out.records += r;
    return;
  }
  int fields = count;
  if (r.kind == u'M') {
    const QString k = in.next();
    r.fields += k;
    int n = 0;
    ParseInt(k, &n);
    fields = n;
  }
  for (int i = 0; i < fields; ++i) {
    if (!in.endedAtComma()) {
      out.problems += key + ": line ends after " + QString::number(i) + " fields";
      break;
    }
    r.fields += in.next();
  }
  if (in.endedAtComma()) out.problems += key + ": more fields than its kind reads";
  out.records += r;
}

}  // namespace

bool ParseInt(const QString& text, int* value) {
  bool ok = false;
  const int v = text.toInt(&ok, 10);
  if (!ok || text.trimmed() != text || text.startsWith(u'+')) return false;
  *value = v;
  return true;
}

int FieldCount(QChar kind) {
  switch (kind.unicode()) {
    case u'B':
      return 8;
    case u'K':
      return 9;
    case u'L':
      return 10;
    case u'D':
      return 11;
    case u'S':
      return 9;
    case u'I':
      return 9;
    case u'X':
      return 13;
    case u'C':
      return 5;
    case u'O':
      return 3;
    case u'N':
    case u':':
    case u'U':
    case u'E':
    case u'M':  // its counts are read by the caller
      return 0;
    case u'P':
    case u'R':
    case u'?':
      return 1;
    case u'W':
      return 2;
    case u'Z':
      return 6;
    case u';':
    case u'/':
      return -1;
    default:
      return -2;
  }
}

SkinText ReadSkinText(const QString& text) {
  SkinText out;
  FieldCursor in(text);
  out.tag = in.next();
  if (!in.endedAtComma()) out.problems += "header line has no information text";
  out.info = in.restOfLine();
  out.sizes = Numbers(in, 6, "window sizes", out.problems);
  out.mainBitmap = in.next();
  out.resourceBitmap = in.next();
  if (in.endedAtComma()) out.problems += "bitmap line: more than two fields";
  out.windowRecord = Numbers(in, 8, "window record", out.problems);
  while (!in.atEnd()) {
    const QString key = in.next();
    if (key.startsWith(u'E')) {
      out.endMarker = true;
      break;
    }
    ReadRecord(in, key, out);
  }
  return out;
}

}  // namespace kd::test
