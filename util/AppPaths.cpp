#include "util/AppPaths.h"

#include <pwd.h>
#include <unistd.h>
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

QString& ModuleFolderOverride() {
  static QString folder;
  return folder;
}

QString& BuiltInFolder() {
  static QString folder;
  return folder;
}

// $HOME, or the user's home folder in the password database when $HOME is
// unset or not a full path (a service or a cron job), never the root folder
// or the current one.
QString HomeFolder() {
  const QString home = qEnvironmentVariable("HOME");
  if (!home.isEmpty() && QDir::isAbsolutePath(home)) return home;
  if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
    return QFile::decodeName(user->pw_dir);
  return QDir::homePath();
}

QString EnvFolder(const char* name, const QString& fallbackBelowHome) {
  const QString value = qEnvironmentVariable(name);
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
  return HomeFolder() + QLatin1Char('/') + fallbackBelowHome;
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

QString ModuleFolder() {
  if (!ModuleFolderOverride().isEmpty()) return WithTrailingSeparator(ModuleFolderOverride());
  return WithTrailingSeparator(
      QDir::cleanPath(ExecutableDir() + QStringLiteral("/../lib/kavorodeck")));
}

void SetProgramFolderOverride(const QString& folder) {
  ProgramFolderOverride() = folder;
}

void SetModuleFolderOverride(const QString& folder) {
  ModuleFolderOverride() = folder;
}

void SetBuiltInFolder(const QString& folder) {
  BuiltInFolder() = folder;
}

}  // namespace kd
