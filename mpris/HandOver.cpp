#include "mpris/HandOver.h"

#include <QDBusMessage>
#include <QFileInfo>

#include "mpris/MprisNames.h"

namespace kd {

QDBusConnection SessionBusIfAny() {
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
    // Without the address the bus library would launch a bus of its own,
    // which outlives the player; only the per-user bus is looked for.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime + QStringLiteral("/bus");
    if (runtime.isEmpty() || !QFileInfo(socket).exists()) return QDBusConnection(QString());
    qputenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + socket).toLocal8Bit());
  }
  return QDBusConnection::sessionBus();
}

HandOverResult HandOverToRunningPlayer(QDBusConnection bus, const QStringList& paths,
                                       int timeoutMs) {
  HandOverResult result;
  if (!bus.isConnected()) return result;
  QDBusMessage call = QDBusMessage::createMethodCall(kMprisServiceName, kMprisObjectPath,
                                                     kInstanceInterface, QStringLiteral("Open"));
  // Nobody is to be started for the call: no running player means running here.
  call.setAutoStartService(false);
  call << paths;
  const QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
  if (reply.type() == QDBusMessage::ReplyMessage) {
    result.outcome = HandOverResult::Outcome::HandedOver;
    if (!reply.arguments().isEmpty())
      result.rejected = reply.arguments().constFirst().toStringList();
    return result;
  }
  if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.FileNotFound")) {
    result.outcome = HandOverResult::Outcome::Refused;
    result.rejected = paths;
    result.error = reply.errorMessage();
  }
  // Anything else (no owner, no answer in time, an older player without the
  // interface) leaves this start to run on its own.
  return result;
}

}  // namespace kd
