#pragma once
// A playlist filled to its limit, as the edit benchmarks of the model and of
// the playlist box use it. Every entry owns its own strings, as entries read
// from a file do, so freeing them costs what it costs in the program.

#include <QList>
#include <QString>

#include "playlist/Playlist.h"

namespace kd::bench {

inline PlaylistEntry OwnEntry(int i) {
  const QString path = QStringLiteral("/home/user/音乐/Artist %1/Album %2/%3 - Song title.mp3")
                           .arg(i % 97)
                           .arg(i % 13)
                           .arg(i);
  return {path.section(QLatin1Char('/'), -1), path};
}

inline QList<PlaylistEntry> FullListEntries() {
  QList<PlaylistEntry> entries;
  entries.reserve(Playlist::kMaxEntries);
  for (int i = 0; i < Playlist::kMaxEntries; ++i) entries.append(OwnEntry(i));
  return entries;
}

// The three places an edit is measured at: first, middle and last entry.
constexpr int kFirstRow = 0;
constexpr int kMiddleRow = Playlist::kMaxEntries / 2;
constexpr int kLastRow = Playlist::kMaxEntries - 1;

}  // namespace kd::bench
