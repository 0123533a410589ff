#include "playlist/PlaylistReader.h"

#include "playlist/FriendlyName.h"
#include "util/Paths.h"
#include "util/RegularFile.h"

namespace kd {

namespace {

// As many entries as a playlist holds, each with a long path, fit with room
// to spare; a larger file is no playlist we read.
constexpr qint64 kMaxPlaylistBytes = qint64{64} << 20;

}  // namespace

void PlRead(Playlist& playlist, const QString& file, const PlaylistReadOptions& options) {
  const QString dir = WithTrailingSeparator(GetDirPart(file));
  playlist.setTitle(FriendlyName(file, options.friendlyNames));
  playlist.setCover(FindPicture(StripExtension(file)));

  const PlaylistFormat format = PlaylistFormatOf(file);
  const int room = Playlist::kMaxEntries - playlist.count();
  if (format != PlaylistFormat::Unknown && room > 0) {
    // A file that cannot be read whole (a folder, a pipe, a device, a file
    // too large) adds nothing.
    QByteArray bytes;
    ReadRegularFile(file, kMaxPlaylistBytes, bytes);
    playlist.appendBatch(ParsePlaylist(bytes, format, dir, options, room));
  }
}

}  // namespace kd
