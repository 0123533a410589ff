#include "util/BuiltInFiles.h"

#include <QDir>
#include <QFile>

#include "util/AppPaths.h"
#include "util/AtomicFile.h"
#include "util/Paths.h"

namespace kd {

namespace {

const QString kBuiltInFolder = QStringLiteral(":/kavorodeck/");

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString BuiltInCacheFolder() {
  QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
    cache = QDir::homePath() + QStringLiteral("/.cache");
  return cache + QStringLiteral("/kavorodeck/builtin/");
}

QString UseBuiltInFilesWhenMissing(const QString& cacheFolder) {
  if (!FindProgramFile(QStringLiteral("default.skin")).isEmpty() &&
      !FindProgramFile(QStringLiteral("nocover.bmp")).isEmpty()) {
    return {};
  }
  const QStringList names = QDir(kBuiltInFolder).entryList(QDir::Files);
  if (names.isEmpty()) return {};
  const QString folder = WithTrailingSeparator(cacheFolder);
  if (!QDir().mkpath(folder)) return {};
  for (const QString& name : names) {
    const QByteArray bytes = readAll(kBuiltInFolder + name);
    // Unchanged files are left alone, so a start reads rather than writes.
    if (readAll(folder + name) != bytes && !WriteFileAtomically(folder + name, bytes)) return {};
  }
  SetBuiltInFolder(folder);
  return folder;
}

}  // namespace kd
