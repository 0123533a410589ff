#include "mpris/InstanceAdaptor.h"

#include <QFileInfo>
#include <QTimer>

#include "core/Commands.h"
#include "mpris/MprisService.h"
#include "util/Paths.h"

namespace kd {

namespace {

bool isOpenable(const QString& path) {
  if (IsStreamUrl(path)) return true;
  if (!path.startsWith(QLatin1Char('/'))) return false;
  const QFileInfo info(path);
  return info.isFile() || info.isDir();
}

}  // namespace

InstanceAdaptor::InstanceAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), m_service(*service) {}

QStringList InstanceAdaptor::Open(const QStringList& paths) {
  MprisService* service = &m_service;
  if (paths.isEmpty()) {
    QTimer::singleShot(0, service, [service] { service->commands().execute(Command::Raise); });
    return {};
  }
  QStringList taken;
  QStringList rejected;
  for (const QString& path : paths) (isOpenable(path) ? taken : rejected) << path;
  if (taken.isEmpty()) {
    m_service.failCall(QStringLiteral("org.freedesktop.DBus.Error.FileNotFound"),
                       QStringLiteral("No such file or folder: %1").arg(rejected.first()));
    return rejected;
  }
  // The caller gets its answer first; a long list is added afterwards.
  QTimer::singleShot(
      0, service, [service, taken] { service->commands().execute(Command::AppendPaths, taken); });
  return rejected;
}

}  // namespace kd
