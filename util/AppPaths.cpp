#include "util/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "util/Paths.h"

namespace kd {

namespace {

QString& ProgramFolderOverride() {
  static QString folder;
  return folder;
}

QString& BuiltInFolder() {
  static QString folder;
  return folder;
}

QString EnvFolder(const char* name, const QString& fallbackBelowHome) {
  const QString value = qEnvironmentVariable(name);
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
  return QDir::homePath() + QLatin1Char('/') + fallbackBelowHome;
}

QString ExecutableDir() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  const QFileInfo self(QStringLiteral("/proc/self/exe"));
  return self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QDir::currentPath();
}

}  // namespace

QString SettingsFilePath() {
  return EnvFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) +
         QStringLiteral("/kavorodeck/kavorodeck.ini");
}

QString DataFolder() {
  return EnvFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) +
         QStringLiteral("/kavorodeck/");
}

QStringList ProgramFolders() {
  QStringList folders;
  if (!ProgramFolderOverride().isEmpty()) folders << WithTrailingSeparator(ProgramFolderOverride());
  folders << WithTrailingSeparator(
      QDir::cleanPath(ExecutableDir() + QStringLiteral("/../share/kavorodeck")));
  QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
  if (dataDirs.isEmpty()) dataDirs = QStringLiteral("/usr/local/share:/usr/share");
  for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    folders << WithTrailingSeparator(QDir::cleanPath(dir + QStringLiteral("/kavorodeck")));
  }
  if (!BuiltInFolder().isEmpty()) folders << WithTrailingSeparator(BuiltInFolder());
  folders.removeDuplicates();
  return folders;
}

QString ProgramFolder() {
  return ProgramFolders().constFirst();
}

QString FindProgramFile(const QString& name) {
  for (const QString& folder : ProgramFolders()) {
    const QString hit = FindFileIgnoringCase(folder + name);
    if (!hit.isEmpty()) return hit;
  }
  return {};
}

void SetProgramFolderOverride(const QString& folder) {
  ProgramFolderOverride() = folder;
}

void SetBuiltInFolder(const QString& folder) {
  BuiltInFolder() = folder;
}

}  // namespace kd
