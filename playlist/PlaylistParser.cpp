#include "playlist/PlaylistParser.h"

#include <algorithm>

#include "playlist/FriendlyName.h"
#include "util/Paths.h"
#include "util/TextCodec.h"
#include "util/TextForms.h"

namespace kd {

namespace {

bool IsSeparator(QChar c) {
  return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

// Plain loops: the library's general search is slow for one character, and
// these run for every entry of playlists with tens of thousands of them.
qsizetype LastSeparator(QStringView text) {
  for (qsizetype i = text.size() - 1; i >= 0; --i) {
    if (IsSeparator(text[i])) return i;
  }
  return -1;
}

bool HasChar(QStringView text, QChar c) {
  for (QChar x : text) {
    if (x == c) return true;
  }
  return false;
}

// A stream address; only texts starting with "h" can be one.
bool IsStreamText(QStringView text) {
  return !text.isEmpty() && (text[0] == QLatin1Char('h') || text[0] == QLatin1Char('H')) &&
         IsStreamUrl(text.toString());
}

}  // namespace

bool IsDrivePath(QStringView text) {
  return text.size() >= 2 && text[1] == QLatin1Char(':') && LastSeparator(text) >= 0;
}

bool IsRelativeEntryText(QStringView text) {
  return !text.isEmpty() && !IsStreamText(text) && !IsDrivePath(text) && !IsSeparator(text[0]) &&
         !HasChar(text, QLatin1Char('\\'));
}

namespace {

// Calls `onLine` for every line; stops early when it returns false.
template <typename F>
void ForEachLine(QStringView text, F&& onLine) {
  const qsizetype n = text.size();
  const QChar* p = text.data();
  qsizetype begin = 0;
  while (begin < n) {
    qsizetype end = begin;
    while (end < n && p[end] != QLatin1Char('\n') && p[end] != QLatin1Char('\r')) ++end;
    if (!onLine(text.sliced(begin, end - begin))) return;
    if (end < n && p[end] == QLatin1Char('\r') && end + 1 < n && p[end + 1] == QLatin1Char('\n')) {
      ++end;
    }
    begin = end + 1;
  }
}

// The entry text of a line, or an empty view when the line holds none.
QStringView M3uEntryText(QStringView line) {
  if (line.startsWith(QLatin1Char('#'))) return {};
  return TrimBlanks(line);
}

QStringView PlsEntryText(QStringView line) {
  const QStringView trimmed = TrimBlanks(line);
  if (!trimmed.startsWith(QLatin1String("File"))) return {};
  const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
  if (eq < 0) return {};
  const QStringView text = trimmed.sliced(eq + 1);
  // "File3=" names nothing; a playlist's folder is no playable entry.
  return TrimBlanks(text).isEmpty() ? QStringView() : text;
}

}  // namespace

PlaylistFormat PlaylistFormatOf(const QString& file) {
  const QString ext = GetExtension(file);
  if (ext.compare(QLatin1String("M3U"), Qt::CaseInsensitive) == 0) return PlaylistFormat::M3u;
  if (ext.compare(QLatin1String("PLS"), Qt::CaseInsensitive) == 0) return PlaylistFormat::Pls;
  return PlaylistFormat::Unknown;
}

QString ResolveEntryPath(QStringView text, const QString& dir) {
  if (IsStreamText(text) || IsDrivePath(text)) return text.toString();
  const bool rooted = IsSeparator(text.isEmpty() ? QChar() : text[0]);
  QString path;
  path.reserve((rooted ? 0 : dir.size()) + text.size());
  if (!rooted) path += dir;
  const qsizetype from = path.size();
  path += text;
  QChar* p = path.data();
  for (qsizetype i = from; i < path.size(); ++i) {
    if (p[i] == QLatin1Char('\\')) p[i] = QLatin1Char('/');
  }
  return path;
}

PlaylistEntry MakePlaylistEntry(QStringView text, const QString& dir,
                                const PlaylistReadOptions& options) {
  PlaylistEntry e;
  if (IsStreamText(text)) {
    e.path = text.toString();
    e.name = e.path;
    return e;
  }
  e.path = ResolveEntryPath(text, dir);
  // The name comes from the entry's own last component, with "\" read as "/"
  // also for drive paths kept as written.
  e.name = FriendlyName(text.sliced(LastSeparator(text) + 1), options.friendlyNames);
  // Every picture ending starts with "."; the check spares most entries the
  // copies IsPicture makes.
  const qsizetype n = e.path.size();
  if (n >= 4 && e.path[n - 4] == QLatin1Char('.') && IsPicture(e.path)) {
    e.name += QLatin1String(" (picture)");
  }
  return e;
}

QList<PlaylistEntry> ParsePlaylist(QByteArrayView bytes, PlaylistFormat format, const QString& dir,
                                   const PlaylistReadOptions& options, int room) {
  QList<PlaylistEntry> entries;
  if (format == PlaylistFormat::Unknown || room <= 0 || bytes.isEmpty()) return entries;
  const QString text = DecodeText(bytes, options.codepage);
  entries.reserve(std::min(room, 1024));
  ForEachLine(text, [&](QStringView line) {
    const QStringView entryText =
        format == PlaylistFormat::M3u ? M3uEntryText(line) : PlsEntryText(line);
    if (entryText.isEmpty()) return true;
    entries.append(MakePlaylistEntry(entryText, dir, options));
    return entries.size() < room;
  });
  return entries;
}

}  // namespace kd
