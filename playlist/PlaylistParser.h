#pragma once
// The text of M3U and PLS playlists, without any file access: bytes in,
// entries out. Playlist files written on other systems are common, so entries
// with "\" separators, drive letters and legacy code pages are understood.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include "playlist/Playlist.h"

#include "util/TextCodec.h"

namespace kd {

struct PlaylistReadOptions {
  // The FriendlyNames setting: display names without extension and track number.
  bool friendlyNames = true;
  // The legacy code page of playlists that are not UTF-8.
  QByteArray codepage = kDefaultCodepage;
};

enum class PlaylistFormat { Unknown, M3u, Pls };

// The format named by the file's extension ("M3U" or "PLS" in any case).
PlaylistFormat PlaylistFormatOf(const QString& file);

// The full path an entry text stands for: a stream address as it is; "\" taken
// as "/"; a drive path with a folder ("C:\m\a.mp3") kept exactly as written;
// a path starting with "/" as it is; anything else below `dir` (the
// playlist's folder with its trailing "/", or "").
QString ResolveEntryPath(QStringView text, const QString& dir);

// A drive path with a folder part ("C:\m\a.mp3", "C:/m"); "C:a.mp3" has no
// folder and is read as a name in the playlist's folder.
bool IsDrivePath(QStringView text);

// Whether an entry text is taken as it stands below the playlist's folder
// (no stream address, no drive or rooted path, no "\" to convert).
bool IsRelativeEntryText(QStringView text);

// One entry for an entry text: the resolved path and its display name
// (" (picture)" added for pictures; a stream address is its own name).
PlaylistEntry MakePlaylistEntry(QStringView text, const QString& dir,
                                const PlaylistReadOptions& options);

// The entries of a playlist's bytes, at most `room` of them. The bytes are
// UTF-8 when valid, else the legacy code page; lines end at LF, CR LF or CR.
// M3U: lines whose first character is "#" are comments; other lines are
// trimmed of blanks and blank ones skipped. PLS: only trimmed lines starting
// with "File" that hold "=" count; the entry is the text after the first "=".
QList<PlaylistEntry> ParsePlaylist(QByteArrayView bytes, PlaylistFormat format, const QString& dir,
                                   const PlaylistReadOptions& options, int room);

}  // namespace kd
