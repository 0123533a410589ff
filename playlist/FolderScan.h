#pragma once
// The folder scan: every file of a folder tree whose extension is in a list,
// in the order a user sees the tree. It only reads the file system and builds
// entries, so it runs on any thread; FolderScanner runs it off the UI thread.

#include <QList>
#include <QString>
#include <QStringView>
#include <atomic>
#include <functional>

#include "playlist/Playlist.h"

namespace kd {

struct ScanOptions {
  // Extensions separated by blanks, any case, e.g. "mp2 mp3 mpa wav mid rmi".
  QString extensions;
  // The FriendlyNames setting, for the display names.
  bool friendlyNames = true;
  // The scan stops after this many entries.
  int limit = Playlist::kMaxEntries;
  // When set and true, the scan stops at the next entry.
  const std::atomic<bool>* stop = nullptr;
};

// Whether a file name qualifies for `extensions`: its extension (the text
// after the last ".", or the whole name when it has none) occurs anywhere in
// the list, without regard to case, so "mp" and "p3" qualify for "mp3". An
// empty extension (a name ending in ".") never qualifies.
bool ExtensionQualifies(QStringView fileName, QStringView extensions);

// Receives the entries of one folder (never an empty list); returns false to
// stop the scan.
using ScanSink = std::function<bool(QList<PlaylistEntry>&& entries)>;

// Scans the tree below `folder` breadth-first: the folder itself, then its
// subfolders, then theirs. Within a folder, names are in CompareFileNames
// order; names starting with "." are left out; links are followed, but every
// folder is read once at most, so linked loops end. Each qualifying file
// gives the entry {FriendlyName of the name without extension, folder + name}.
// A folder that cannot be read contributes nothing. Returns how many entries
// were handed to `sink`.
int ScanDir(const QString& folder, const ScanOptions& options, const ScanSink& sink);

// The same, collected into one list.
QList<PlaylistEntry> ScanDir(const QString& folder, const ScanOptions& options);

}  // namespace kd
