#pragma once
// The rules of the visual playlist browser that need no window: which
// entries a folder offers, how they fall into pages of sixteen, the page
// line, the tool tip of a cell and the lines listed for a selected playlist.

#include <QString>
#include <QStringList>
#include <atomic>

namespace kd {

inline constexpr int kCellsPerPage = 16;

// The extensions of the files the browser offers, in the folder-scan form.
inline constexpr const char* kBrowserExtensions = "M3U PLS";

// A directory entry: a file whose name ends in ".DIR" (any case). It stands
// for the folder named like it, without the ".DIR".
bool IsDirectoryEntry(const QString& path);
// The folder a directory entry leads into: its path without the last four
// characters ("" for a path that short).
QString DirectoryEntryTarget(const QString& path);

// The entries of `folder` (with its trailing "/"): the "*.DIR" files lying
// directly in it (any case, hidden ones left out) when there is at least one;
// otherwise every playlist of the tree below it, breadth-first, as the
// folder scan finds them. Each entry is a full path. A set `stop` ends the
// scan early.
QStringList ListBrowserEntries(const QString& folder, const std::atomic<bool>* stop = nullptr);

// The index of the last page: (count - 1) / 16 truncated towards zero, so
// an empty folder has the one page 0.
int LastPageIndex(int entryCount);
// "页面  1 与  2.  全部播放列表: 20": the page number, the number of pages
// and the number of entries, each with a blank where a sign would stand.
QString PageStatusText(int page, int entryCount);

// The tool tip (and accessible name) of a cell: the friendly name of the
// entry without its extension.
QString EntryToolTip(const QString& entry, bool friendlyNames);
// The name shown for a selected entry.
QString EntryTitle(const QString& entry, bool friendlyNames);

// The lines of a playlist file as the browser lists them: every line,
// comments and headers included, shown from after its last "\" or "/". A
// file that cannot be read, is not text (holds NUL bytes) or is larger than
// any playlist gives no lines; at most `maxLines` lines are given, each cut to
// a length a list can show.
QStringList PlaylistListing(const QString& file, const QByteArray& codepage, int maxLines);

}  // namespace kd
