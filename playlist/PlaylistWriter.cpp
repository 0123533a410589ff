#include "playlist/PlaylistWriter.h"

#include "playlist/PlaylistParser.h"
#include "util/AtomicFile.h"
#include "util/MessageSink.h"
#include "util/Paths.h"

namespace kd {

namespace {

const QLatin1String kLineEnd("\r\n");

bool IsWritable(const QString& path) {
  return !path.isEmpty() && !path.contains(QLatin1String("**")) &&
         !path.contains(QLatin1Char('\r')) && !path.contains(QLatin1Char('\n'));
}

// Whether `relative`, written as the entry text of a line, is read back as
// the folder followed by `relative` by the reader of `format`.
bool ReadsBackUnchanged(QStringView relative, PlaylistFormat format) {
  if (relative.isEmpty() || relative.endsWith(QLatin1Char(' '))) return false;
  if (format == PlaylistFormat::M3u &&
      (relative.startsWith(QLatin1Char('#')) || relative.startsWith(QLatin1Char(' ')))) {
    return false;
  }
  return IsRelativeEntryText(relative);
}

// The text that stands for `path` in a playlist kept in folder `dir`.
QStringView EntryText(const QString& path, const QString& dir, PlaylistFormat format) {
  if (!dir.isEmpty() && path.startsWith(dir)) {
    const QStringView relative = QStringView(path).sliced(dir.size());
    if (ReadsBackUnchanged(relative, format)) return relative;
  }
  return path;
}

}  // namespace

QByteArray FormatPlaylist(const QList<PlaylistEntry>& entries, const QString& file) {
  const PlaylistFormat format = file.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive)
                                    ? PlaylistFormat::Pls
                                    : PlaylistFormat::M3u;
  const QString dir = GetDirPart(file);
  QString text;
  qsizetype size = 32;
  for (const PlaylistEntry& e : entries) size += e.path.size() + 16;
  text.reserve(size);

  if (format == PlaylistFormat::Pls) text += QLatin1String("[playlist]") + kLineEnd;
  int written = 0;
  for (const PlaylistEntry& e : entries) {
    if (!IsWritable(e.path)) continue;
    ++written;
    if (format == PlaylistFormat::Pls) {
      text += QLatin1String("File");
      text += QString::number(written);
      text += QLatin1Char('=');
    }
    text += EntryText(e.path, dir, format);
    text += kLineEnd;
  }
  if (format == PlaylistFormat::Pls) {
    text += QLatin1String("NumberOfEntries=") + QString::number(written) + kLineEnd;
    text += QLatin1String("Version=2") + kLineEnd;
  }
  return text.toUtf8();
}

bool WritePL(const Playlist& playlist, const QString& file, MessageSink* sink) {
  if (!IsReadOnlyFile(file) &&
      WriteFileAtomically(file, FormatPlaylist(playlist.entries(), file))) {
    return true;
  }
  if (sink) sink->showMessage(QStringLiteral("不能编写播放列表，文件可能是只读的！"));
  return false;
}

}  // namespace kd
