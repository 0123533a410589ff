#pragma once
// What the browser tests share: a folder of playlists with covers, and an
// executor that keeps the commands it was given.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

#include "core/Commands.h"
#include "mediainfo_cover/CoverFixtures.h"
#include "support/RecordingExecutor.h"
#include "support/TempDir.h"

namespace kd::test {

// "list01.m3u" .. in `folder` (relative to `dir`), each naming one song.
inline QStringList WritePlaylists(const TempDir& dir, const QString& folder, int count) {
  QStringList paths;
  for (int i = 1; i <= count; ++i) {
    const QString name = QStringLiteral("%1list%2.m3u").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
    paths << dir.write(name, QStringLiteral("#EXTM3U\r\nsong%1.mp3\r\n").arg(i).toUtf8());
  }
  return paths;
}

// A cover beside a playlist, named like it ("bmp" or "jpg", any case).
inline QString WriteCover(const QString& playlist, const char* extension, QColor colour,
                          QSize size = {40, 40}) {
  const QString base = playlist.left(playlist.lastIndexOf(QLatin1Char('.')));
  const QByteArray format = QByteArray(extension).toUpper();
  return writePicture(base + QLatin1Char('.') + QLatin1String(extension), colour, size,
                      format.constData());
}

}  // namespace kd::test
