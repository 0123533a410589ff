#include "util/RegularFile.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace kd {

FileReadResult ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
  const QByteArray native = QFile::encodeName(path);
  // O_NONBLOCK so that a named pipe in the file's place cannot hang the caller.
  const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Unreadable;

  FileReadResult result = FileReadResult::Unreadable;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes) {
    QByteArray data;
    char buffer[8192];
    bool failed = false;
    // The size may have changed since fstat: the bound is kept while reading.
    while (data.size() <= maxBytes) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        failed = true;
        break;
      }
      data.append(buffer, static_cast<qsizetype>(n));
    }
    if (!failed && data.size() <= maxBytes) {
      bytes = std::move(data);
      result = FileReadResult::Read;
    }
  }
  ::close(fd);
  return result;
}

QByteArray ReadAtMost(QFile& file, qint64 limit) {
  constexpr qint64 kChunk = 64 * 1024;
  if (!file.isSequential()) {
    const qint64 left = std::max<qint64>(0, file.size() - file.pos());
    return file.read(std::min(limit, left));
  }
  QByteArray bytes;
  while (bytes.size() < limit) {
    const QByteArray chunk = file.read(std::min(kChunk, limit - bytes.size()));
    if (chunk.isEmpty()) break;
    bytes += chunk;
  }
  return bytes;
}

}  // namespace kd
