#include "playlist/FriendlyName.h"

#include "util/Numbers.h"
#include "util/Paths.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// Whether the text's leading number is above zero. Most names start with a
// letter, so the full number reading is only done when it can matter.
bool LeadingNumberIsPositive(QStringView t) {
  qsizetype i = 0;
  while (i < t.size() && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t'))) ++i;
  if (i == t.size()) return false;
  const QChar c = t[i];
  const bool canStartPositive = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                                c == QLatin1Char('+') || c == QLatin1Char('.');
  return canStartPositive && LeadingNumber(t) > 0;
}

// Drops a two-digit track number: "07-x" -> "x", "07 -x" -> "x".
QStringView DropTrackNumber(QStringView t) {
  if (!LeadingNumberIsPositive(t)) return t;
  if (t.size() >= 3 && t[2] == QLatin1Char('-')) t = t.sliced(3);
  if (t.size() >= 4 && t[2] == QLatin1Char(' ') && t[3] == QLatin1Char('-')) t = t.sliced(4);
  return t;
}

}  // namespace

QString FriendlyName(QStringView path, bool friendlyNamesOn) {
  const qsizetype n = path.size();
  const qsizetype start = LastSlash(path) + 1;
  if (!friendlyNamesOn) return TrimBlanks(path.sliced(start)).toString();

  // Dots from this index on lie within the last five characters: the last
  // of them ends the name; earlier dots turn into blanks.
  const qsizetype tailFrom = n - 5;
  qsizetype end = n;
  for (qsizetype i = n - 1; i >= 0 && i >= tailFrom; --i) {
    if (path[i] == QLatin1Char('.')) {
      end = i;
      break;
    }
  }
  // A dot in the tail that lies in a folder name ("x.d/ab") marks no
  // extension of the file name: keep that name whole.
  if (end < start) end = n;

  QString s = path.sliced(start, end - start).toString();
  QChar* data = s.data();
  for (qsizetype k = 0; k < s.size(); ++k) {
    const QChar c = data[k];
    if (c == QLatin1Char('_') || (c == QLatin1Char('.') && start + k < tailFrom)) {
      data[k] = QLatin1Char(' ');
    }
  }
  // Cut in place: the working copy is ours, so no second string is made.
  const QStringView t = TrimBlanks(DropTrackNumber(s));
  const qsizetype offset = t.data() - s.constData();
  s.truncate(offset + t.size());
  s.remove(0, offset);
  return s;
}

}  // namespace kd
