#pragma once
// A strict reader of skin files for checking the generated default skin. It
// follows the file format on its own (independent of the player's loader)
// and, beyond what a loader needs, insists on the layout we promise for our
// own file: one record per line, nothing left over, numbers where numbers go.

#include <QList>
#include <QString>
#include <QStringList>

namespace kd::test {

struct SkinRecord {
  QString key;    // the key field as written, e.g. "B12"
  QChar kind;     // its first character
  int index = 0;  // the number after the letter
  QStringList fields;
  int line = 0;  // 1-based line of the key field
};

struct SkinText {
  QString tag;
  QString info;
  QList<int> sizes;  // six numbers: three pairs width, height
  QString mainBitmap;
  QString resourceBitmap;
  QList<int> windowRecord;  // eight numbers
  QList<SkinRecord> records;
  QStringList moreInfo;    // texts of "/" records
  bool endMarker = false;  // an "E" record ended the file
  QStringList problems;    // every way the text breaks the format or our layout
};

SkinText ReadSkinText(const QString& text);

// Strict decimal integer (optional minus sign); false for anything else.
bool ParseInt(const QString& text, int* value);

// How many fields follow the key field of each kind (-1: rest of line,
// -2: unknown kind). "M" is variable and handled by the reader.
int FieldCount(QChar kind);

}  // namespace kd::test
