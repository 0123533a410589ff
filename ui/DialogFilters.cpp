#include "ui/DialogFilters.h"

#include <QRegularExpression>

namespace kd {

namespace {

// Whether `description` ends with parentheses that name exactly `patterns`
// (without regard to case or order), as "MP3 Playlists (*.M3U)" does.
bool NamesItsPatterns(const QString& description, const QStringList& patterns) {
  if (!description.endsWith(QLatin1Char(')'))) return false;
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  if (open < 0) return false;
  const QString named = description.mid(open + 1, description.size() - open - 2);
  QStringList namedPatterns =
      named.toLower().split(QRegularExpression(QStringLiteral("[\\s;,]+")), Qt::SkipEmptyParts);
  QStringList own;
  for (const QString& pattern : patterns) own << pattern.toLower();
  namedPatterns.removeDuplicates();
  own.removeDuplicates();
  namedPatterns.sort();
  own.sort();
  return !own.isEmpty() && namedPatterns == own;
}

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      patterns << trimmed;
      if (trimmed.toLower() != trimmed) patterns << trimmed.toLower();
    }
    // Qt takes the patterns from the last parentheses of the text. A
    // description that already names its patterns, "MP3 Playlists (*.M3U)",
    // gets the full list in their place rather than a second list.
    QString description = parts[i].trimmed();
    if (NamesItsPatterns(description, patterns)) {
      description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed();
    }
    result << description + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) +
                  QLatin1Char(')');
  }
  return result;
}

}  // namespace kd
