#pragma once
// Reading an M3U or PLS playlist file into the playlist.

#include <QString>

#include "playlist/Playlist.h"
#include "playlist/PlaylistParser.h"

namespace kd {

// Appends the entries of `file` to the playlist, as many as fit. The title
// becomes the file's friendly name and the playlist picture the picture named
// like the file (".jpg" before ".gif" before ".bmp"). A file that cannot be
// read, or that is no M3U or PLS, adds nothing and says nothing. The entry
// count is published in every case.
void PlRead(Playlist& playlist, const QString& file, const PlaylistReadOptions& options);

}  // namespace kd
