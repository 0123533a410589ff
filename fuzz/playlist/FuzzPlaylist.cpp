// Playlist text from anywhere: the parser must never crash, hang or return
// more entries than it has room for, and whatever it returns can be written
// and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "playlist/PlaylistParser.h"
#include "playlist/PlaylistWriter.h"

using namespace kd;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first byte picks format, friendly names and the room left.
  const uint8_t control = data[0];
  const PlaylistFormat format = (control & 1) ? PlaylistFormat::Pls : PlaylistFormat::M3u;
  const PlaylistReadOptions options{(control & 2) != 0};
  const int room = (control & 4) ? Playlist::kMaxEntries : 1 + (control >> 3);
  const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1),
                             static_cast<qsizetype>(size - 1));
  const QString dir = QStringLiteral("/lists/");

  const QList<PlaylistEntry> entries = ParsePlaylist(bytes, format, dir, options, room);
  if (entries.size() > room) std::abort();

  const QString file = format == PlaylistFormat::Pls ? QStringLiteral("/lists/out.pls")
                                                     : QStringLiteral("/lists/out.m3u");
  const QByteArray written = FormatPlaylist(entries, file);
  const QList<PlaylistEntry> again =
      ParsePlaylist(written, format, dir, options, Playlist::kMaxEntries);
  if (again.size() > entries.size()) std::abort();
  return 0;
}
