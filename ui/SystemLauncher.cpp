#include "ui/SystemLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace kd {

QString SystemLauncher::findProgram(const QString& name) const {
  return QStandardPaths::findExecutable(name);
}

bool SystemLauncher::startProgram(const QString& program, const QStringList& arguments) {
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, arguments);
}

bool SystemLauncher::openUrl(const QUrl& url) {
  if (!url.isValid()) return false;
  return QDesktopServices::openUrl(url);
}

}  // namespace kd
