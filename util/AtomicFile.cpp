#include "util/AtomicFile.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kd {

bool IsReadOnlyFile(const QString& path) {
  // Permission bits, not access(): the superuser could write anything, yet a
  // file the user marked read-only should still be respected.
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) return false;
  if (IsReadOnlyFile(path)) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // QSaveFile buffers small writes and its commit() does not notice when the
  // final flush fails (disk full, size limit): it would rename a truncated
  // file over the old one. Flushing here first catches that.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace kd
