#include "playback/ItemKind.h"

#include <QStringList>

#include "util/Paths.h"

namespace kd {

ItemKind ClassifyItem(const QString& path) {
  static const QStringList mpeg{"MP2", "MP3", "MPA"};
  static const QStringList pictures{"BMP", "GIF", "JPG"};
  static const QStringList documents{"TXT", "DOC", "BAT", "COM", "EXE", "LNK"};
  const QString ext = GetExtension(path).toUpper();
  if (mpeg.contains(ext)) return ItemKind::Mpeg;
  if (pictures.contains(ext)) return ItemKind::Picture;
  if (documents.contains(ext)) return ItemKind::Document;
  return ItemKind::Other;
}

}  // namespace kd
