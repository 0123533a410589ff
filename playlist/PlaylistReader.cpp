#include "playlist/PlaylistReader.h"

#include <QFile>
#include <QFileInfo>

#include "playlist/FriendlyName.h"
#include "util/Paths.h"

namespace kd {

namespace {

// The bytes of a regular file; whatever could be read when reading fails
// half-way. Folders, pipes and devices give nothing (a pipe could block).
QByteArray ReadRegularFile(const QString& path) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

void PlRead(Playlist& playlist, const QString& file, const PlaylistReadOptions& options) {
  const QString dir = WithTrailingSeparator(GetDirPart(file));
  playlist.setTitle(FriendlyName(file, options.friendlyNames));
  playlist.setPLCover(FindPicture(StripExtension(file)));

  const PlaylistFormat format = PlaylistFormatOf(file);
  const int room = Playlist::kMaxEntries - playlist.count();
  if (format != PlaylistFormat::Unknown && room > 0) {
    const QByteArray bytes = ReadRegularFile(file);
    playlist.appendBatch(ParsePlaylist(bytes, format, dir, options, room));
  }
  playlist.PlShowCount();
}

}  // namespace kd
