#include "browser/BrowserRules.h"

#include <QDir>
#include <algorithm>

#include "playlist/FolderScan.h"
#include "playlist/FriendlyName.h"
#include "playlist/NaturalOrder.h"
#include "util/Paths.h"
#include "util/RegularFile.h"
#include "util/TextCodec.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// The same bound the playlist reader has: a larger file is no playlist.
constexpr qint64 kMaxPlaylistBytes = qint64{64} << 20;
// Longer lines are cut: nobody reads them in a list, and they cost.
constexpr qsizetype kMaxShownLine = 512;

QString ShownPart(QStringView line) {
  const qsizetype slash =
      std::max(line.lastIndexOf(QLatin1Char('\\')), line.lastIndexOf(QLatin1Char('/')));
  return line.sliced(slash + 1).left(kMaxShownLine).toString();
}

}  // namespace

bool IsDirectoryEntry(const QString& path) {
  return path.endsWith(QLatin1String(".DIR"), Qt::CaseInsensitive);
}

QString DirectoryEntryTarget(const QString& path) {
  return path.size() > 4 ? path.left(path.size() - 4) : QString();
}

QStringList ListBrowserEntries(const QString& folder, const std::atomic<bool>* stop) {
  const QString root = WithTrailingSeparator(folder);
  if (root.isEmpty()) return {};

  // Name filters of QDir ignore case unless told otherwise.
  QStringList directoryEntries =
      QDir(root).entryList({QStringLiteral("*.DIR")}, QDir::Files, QDir::NoSort);
  if (!directoryEntries.isEmpty()) {
    std::sort(directoryEntries.begin(), directoryEntries.end(),
              [](const QString& a, const QString& b) { return FileNameLess(a, b); });
    for (QString& name : directoryEntries) name.prepend(root);
    return directoryEntries;
  }

  ScanOptions options;
  options.extensions = QString::fromLatin1(kBrowserExtensions);
  options.stop = stop;
  QStringList playlists;
  ScanDir(root, options, [&playlists](QList<PlaylistEntry>&& entries) {
    for (PlaylistEntry& entry : entries) playlists.append(std::move(entry.path));
    return true;
  });
  return playlists;
}

int LastPageIndex(int entryCount) {
  return (entryCount - 1) / kCellsPerPage;  // truncates towards zero: 0 entries give 0
}

QString PageStatusText(int page, int entryCount) {
  return QString::fromUtf8("页面 ") + BlankLed(page + 1) + QString::fromUtf8(" 与 ") +
         BlankLed(LastPageIndex(entryCount) + 1) + QString::fromUtf8(".  全部播放列表:") +
         BlankLed(entryCount);
}

QString EntryToolTip(const QString& entry, bool friendlyNames) {
  return FriendlyName(StripExtension(entry), friendlyNames);
}

QString EntryTitle(const QString& entry, bool friendlyNames) {
  return FriendlyName(GetFileName(entry), friendlyNames);
}

QStringList PlaylistListing(const QString& file, const QByteArray& codepage, int maxLines) {
  QByteArray bytes;
  if (ReadRegularFile(file, kMaxPlaylistBytes, bytes) != FileReadResult::Read) return {};
  if (bytes.contains('\0')) return {};
  const QString text = DecodeText(bytes, codepage);
  bytes = {};

  QStringList lines;
  const QStringView all(text);
  qsizetype start = 0;
  while (start < all.size() && lines.size() < maxLines) {
    qsizetype end = start;
    while (end < all.size() && all[end] != QLatin1Char('\n') && all[end] != QLatin1Char('\r'))
      ++end;
    lines.append(ShownPart(all.sliced(start, end - start)));
    if (end < all.size() && all[end] == QLatin1Char('\r') && end + 1 < all.size() &&
        all[end + 1] == QLatin1Char('\n'))
      ++end;
    start = end + 1;
  }
  return lines;
}

}  // namespace kd
