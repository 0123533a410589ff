#include "mpris/MprisNames.h"

namespace kd {

QStringList SupportedMimeTypes() {
  // Kept equal to MimeType= of data/desktop/kavorodeck.desktop (a test compares them).
  return {
      QStringLiteral("audio/mpeg"),      QStringLiteral("audio/x-mpegurl"),
      QStringLiteral("audio/mpegurl"),   QStringLiteral("audio/x-scpls"),
      QStringLiteral("audio/x-wav"),     QStringLiteral("audio/vnd.wave"),
      QStringLiteral("audio/midi"),      QStringLiteral("audio/x-midi"),
      QStringLiteral("audio/basic"),     QStringLiteral("audio/x-aiff"),
      QStringLiteral("audio/x-mod"),     QStringLiteral("audio/x-s3m"),
      QStringLiteral("audio/x-xm"),      QStringLiteral("audio/x-stm"),
      QStringLiteral("audio/ogg"),       QStringLiteral("audio/x-vorbis+ogg"),
      QStringLiteral("audio/flac"),      QStringLiteral("audio/mp4"),
      QStringLiteral("video/mpeg"),      QStringLiteral("video/x-msvideo"),
      QStringLiteral("video/quicktime"), QStringLiteral("video/mp4"),
  };
}

QStringList SupportedUriSchemes() {
  return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")};
}

}  // namespace kd
