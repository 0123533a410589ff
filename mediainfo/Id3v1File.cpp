#include "mediainfo/Id3v1File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "mediainfo/Id3v1.h"

namespace kd {

namespace {

// One open file descriptor, closed when it goes out of scope.
class FileHandle {
 public:
  FileHandle(const QString& path, int flags)
      // O_NONBLOCK: a named pipe in the file's place cannot hang the player.
      : m_fd(path.isEmpty() ? -1
                            : ::open(QFile::encodeName(path).constData(),
                                     flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {}
  ~FileHandle() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool isOpen() const { return m_fd >= 0; }
  int fd() const { return m_fd; }

 private:
  int m_fd;
};

// The size of the regular file behind `fd`, or -1 for anything else.
qint64 regularFileSize(int fd, bool needWritePermission) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  if (needWritePermission && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return -1;
  return st.st_size;
}

bool readAt(int fd, char* buffer, qint64 size, qint64 offset) {
  qint64 done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, buffer + done, size - done, offset + done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

bool writeAt(int fd, const char* bytes, qint64 size, qint64 offset) {
  qint64 done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, bytes + done, size - done, offset + done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// Flushes the write to disk and reads it back.
bool writeAndCheck(int fd, QByteArrayView tag, qint64 offset) {
  if (!writeAt(fd, tag.data(), tag.size(), offset) || ::fdatasync(fd) != 0) return false;
  char check[id3v1::kSize];
  return readAt(fd, check, id3v1::kSize, offset) &&
         std::memcmp(check, tag.data(), id3v1::kSize) == 0 &&
         regularFileSize(fd, false) == offset + id3v1::kSize;
}

}  // namespace

std::optional<ID3Info> ReadId3v1File(const QString& path, const QByteArray& codepage) {
  const FileHandle file(path, O_RDONLY);
  if (!file.isOpen()) return std::nullopt;
  const qint64 size = regularFileSize(file.fd(), false);
  if (size < kMinimumTaggedFileSize) return std::nullopt;
  char end[id3v1::kSize];
  if (!readAt(file.fd(), end, id3v1::kSize, size - id3v1::kSize)) return std::nullopt;
  ID3Info info;
  ParseId3v1(QByteArrayView(end, id3v1::kSize), info, codepage);
  return info;
}

TagSaveResult SaveId3v1File(const QString& path, QByteArrayView tag) {
  if (tag.size() != id3v1::kSize) return TagSaveResult::Failed;
  // No O_CREAT: a path where no file is (any more) stays empty.
  const FileHandle file(path, O_RDWR);
  if (!file.isOpen()) return TagSaveResult::Failed;
  const qint64 size = regularFileSize(file.fd(), true);
  if (size < 0) return TagSaveResult::Failed;
  if (size < kMinimumTaggedFileSize) return TagSaveResult::TooShort;

  char oldEnd[id3v1::kSize];
  if (!readAt(file.fd(), oldEnd, id3v1::kSize, size - id3v1::kSize)) return TagSaveResult::Failed;
  // Only a tag exactly at its place is replaced; the letters anywhere else
  // may be audio.
  const bool hasTag = HasId3v1Tag(QByteArrayView(oldEnd, id3v1::kSize));
  const qint64 offset = hasTag ? size - id3v1::kSize : size;
  if (writeAndCheck(file.fd(), tag, offset)) {
    return hasTag ? TagSaveResult::Updated : TagSaveResult::Added;
  }
  // Put the file back as it was, as far as the disk lets us.
  if (hasTag) {
    writeAt(file.fd(), oldEnd, id3v1::kSize, offset);
  } else if (::ftruncate(file.fd(), size) != 0) {
    // Nothing more can be done; the failure is reported either way.
  }
  return TagSaveResult::Failed;
}

}  // namespace kd
