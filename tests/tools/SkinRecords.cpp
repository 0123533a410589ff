#include "SkinRecords.h"

#include <QMap>
#include <QRegularExpression>

namespace kd::test {

namespace {

// Kinds the format knows: fields after the key (-1: the rest of the line is
// one text), and how many of them, from the first, are numbers. "M" reads its
// own count first.
const QMap<QChar, std::pair<int, int>> kLayouts = {
    {u'B', {8, 6}}, {u'K', {9, 0}},   {u'L', {10, 8}}, {u'D', {11, 10}}, {u'S', {9, 8}},
    {u'I', {9, 8}}, {u'X', {13, 11}}, {u'C', {5, 4}},  {u'O', {3, 0}},   {u'N', {0, 0}},
    {u':', {0, 0}}, {u'U', {0, 0}},   {u'M', {0, 0}},  {u'P', {1, 1}},   {u'R', {1, 0}},
    {u'?', {1, 0}}, {u'W', {2, 0}},   {u'Z', {6, 0}},  {u';', {-1, 0}},  {u'/', {-1, 0}}};

// Strict decimal integer (optional minus sign); false for anything else.
bool ParseInt(const QString& text, int* value) {
  bool ok = false;
  const int v = text.toInt(&ok, 10);
  if (!ok || text.trimmed() != text || text.startsWith(u'+')) return false;
  *value = v;
  return true;
}

// The fields of one line: split at commas outside double quotes, blanks
// before a field skipped.
QStringList SplitFields(const QString& line) {
  QStringList fields{QString()};
  bool quoted = false;
  for (QChar c : line) {
    if (c == u'"') {
      quoted = !quoted;
    } else if (c == u',' && !quoted) {
      fields += QString();
    } else if (c != u' ' || quoted || !fields.last().isEmpty()) {
      fields.last() += c;
    }
  }
  return fields;
}

// Notes every way `fields` are not `count` fields with `numbers` numbers first.
void CheckFields(const QStringList& fields, int count, int numbers, const QString& what,
                 QStringList& problems) {
  if (fields.size() != count)
    problems +=
        QStringLiteral("%1: %2 fields, %3 expected").arg(what).arg(fields.size()).arg(count);
  for (int i = 0; i < numbers; ++i) {
    int v = 0;
    if (!ParseInt(fields.value(i), &v)) problems += what + ": field " + QString::number(i);
  }
}

}  // namespace

SkinText ReadSkinText(const QString& text) {
  SkinText out;
  const QStringList lines = text.split(QRegularExpression("\r\n|\r|\n"));
  const QString header = lines.value(0);
  if (!header.contains(u',')) out.problems += "header line has no information text";
  out.tag = header.section(u',', 0, 0);
  out.info = header.section(u',', 1);
  const QStringList sizes = SplitFields(lines.value(1)), bitmaps = SplitFields(lines.value(2)),
                    window = SplitFields(lines.value(3));
  CheckFields(sizes, 6, 6, "window sizes", out.problems);
  CheckFields(bitmaps, 2, 0, "bitmap line", out.problems);
  CheckFields(window, 8, 8, "window record", out.problems);
  for (const QString& size : sizes) out.sizes += size.toInt();
  for (const QString& number : window) out.windowRecord += number.toInt();
  out.mainBitmap = bitmaps.value(0);
  out.resourceBitmap = bitmaps.value(1);

  for (const QString& line : lines.mid(4)) {
    const QStringList fields = SplitFields(line);
    SkinRecord r;
    r.key = fields[0];
    r.kind = r.key.isEmpty() ? QChar() : r.key[0];
    if (r.kind == u'E') {
      out.endMarker = true;
      break;
    }
    for (qsizetype i = 1; i < r.key.size() && r.key[i].isDigit(); ++i)
      r.index = r.index * 10 + r.key[i].digitValue();
    if (!kLayouts.contains(r.kind)) {
      out.problems += "unknown record kind: '" + r.key + "'";
      continue;
    }
    const auto [count, numbers] = kLayouts[r.kind];
    if (count < 0) {
      // A comment without its comma would take the next line as its text.
      if (fields.size() < 2) out.problems += r.key + " without a comma swallows the next line";
      r.fields += line.section(u',', 1);
      if (r.kind == u'/') out.moreInfo += r.fields[0];
      out.records += r;
      continue;
    }
    r.fields = fields.mid(1);
    int expected = count;
    if (r.kind == u'M' && ParseInt(r.fields.value(0), &expected)) ++expected;
    CheckFields(r.fields, expected, numbers, r.key, out.problems);
    out.records += r;
  }
  return out;
}

}  // namespace kd::test
