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
  QString key;  // the key field as written, e.g. "B12"
  QChar kind;   // its first character
  int index = 0;
  QStringList fields;  // the fields after the key
};

struct SkinText {
  QString tag, info;  // the header line
  QList<int> sizes;   // six numbers: three pairs width, height
  QString mainBitmap, resourceBitmap;
  QList<int> windowRecord;  // eight numbers
  QList<SkinRecord> records;
  QStringList moreInfo;    // texts of "/" records
  bool endMarker = false;  // an "E" record ended the file
  QStringList problems;    // every way the text breaks the format or our layout
};

SkinText ReadSkinText(const QString& text);

}  // namespace kd::test
