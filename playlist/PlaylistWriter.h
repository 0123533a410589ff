#pragma once
// Writing the playlist's paths to an M3U file, or to a PLS file when the
// name ends in ".pls", so that reading it back gives the same paths.

#include <QByteArray>
#include <QList>
#include <QString>

#include "playlist/Playlist.h"

namespace kd {

class MessageSink;

// The bytes of the playlist file `file` (UTF-8, lines ended by CR LF). Paths
// below the file's folder are written relative to it, unless the relative
// text would read back differently (a leading "#" or blank, for instance).
// Entries without a path, with "**" or with a line break in it are left out.
QByteArray FormatPlaylist(const QList<PlaylistEntry>& entries, const QString& file);

// Replaces `file` with the playlist, atomically. On failure the old file stays
// as it was, the sink shows the message about a read-only playlist and the
// result is false.
bool WritePL(const Playlist& playlist, const QString& file, MessageSink* sink);

}  // namespace kd
