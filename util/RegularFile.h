#pragma once
// Reading the files the program depends on (settings, playlists) without
// letting what stands at the path block or swamp it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace kd {

enum class FileReadResult {
  Read,        // the whole file was read
  Missing,     // nothing at the path
  Unreadable,  // see ReadRegularFile
};

// Reads the whole regular file at `path` into `bytes`. Anything else at the
// path (a folder, a named pipe, a device), a path through a non-folder, a
// file without read permission, an I/O error and a file of more than
// `maxBytes` bytes give Unreadable. The file is opened without blocking, so
// a named pipe in its place cannot hang the caller. `bytes` is set only
// when the result is Read.
FileReadResult ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Up to `limit` bytes from the open `file`'s position on. Unlike
// QIODevice::read(limit), it never sets aside room for `limit` bytes when the
// file holds fewer: a limit of a hundred megabytes costs a small file nothing.
QByteArray ReadAtMost(QFile& file, qint64 limit);

}  // namespace kd
