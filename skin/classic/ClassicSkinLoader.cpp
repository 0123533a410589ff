#include "skin/classic/ClassicSkinLoader.h"

#include <QDir>
#include <QFile>

#include "skin/classic/ClassicSkinBuilder.h"
#include "skin/classic/ClassicSkinFiles.h"
#include "util/Paths.h"
#include "util/RegularFile.h"

namespace kd::classic {

bool IsClassicSkinPath(const QString& path) {
  return path.endsWith(QLatin1String(".wsz"), Qt::CaseInsensitive) ||
         GetFileName(path).compare(QLatin1String("main.bmp"), Qt::CaseInsensitive) == 0;
}

SkinDocument LoadSkin(const QString& fullPath, const QString& name,
                      const SkinLoadEnvironment& env) {
  const Limits limits;
  const bool archive = fullPath.endsWith(QLatin1String(".wsz"), Qt::CaseInsensitive);
  SkinFiles files;
  QString shownName;
  if (archive) {
    QByteArray bytes;
    if (env.readFile) {
      bytes = env.readFile(fullPath, limits.maxArchiveBytes + 1);
    } else {
      QFile file(fullPath);
      if (file.open(QIODevice::ReadOnly)) bytes = ReadAtMost(file, limits.maxArchiveBytes + 1);
    }
    files = SkinFiles::fromArchive(bytes, limits);
    shownName = GetFileName(fullPath);
  } else {
    const QString folder = GetDirPart(fullPath);
    files = SkinFiles::fromFolder(folder, limits);
    shownName = QDir(folder).dirName();
  }
  if (files.isValid()) {
    if (std::optional<SkinDocument> doc =
            BuildSkin(files, fullPath, shownName, env.limits.outlineBudget)) {
      return std::move(*doc);
    }
  }
  SkinDocument refused;
  refused.outcome = SkinLoadOutcome::NotFound;
  refused.fullPath = fullPath;
  refused.skinFolder = env.lastSkinFolder;
  refused.messages << QStringLiteral("Skin not found!\nSkinName=") + name +
                          QStringLiteral("\nSkinPath=") + env.skinPath;
  return refused;
}

}  // namespace kd::classic
