#pragma once
// A second start of the program: finds the running player on the session bus
// and hands it the paths of its command line.

#include <QDBusConnection>
#include <QStringList>

namespace kd {

struct HandOverResult {
  enum class Outcome {
    NoPlayer,    // no session bus, or no player on it that answers: run here
    HandedOver,  // the running player took the paths (some may be rejected)
    Refused,     // the running player took none of the paths
  };
  Outcome outcome = Outcome::NoPlayer;
  QStringList rejected;  // paths the player did not take
  QString error;         // the player's message when it refused
};

// The session bus, or a disconnected connection when there is none. No bus
// is started for the purpose: without DBUS_SESSION_BUS_ADDRESS and the
// per-user bus socket there is none.
QDBusConnection SessionBusIfAny();

// Hands `paths` (absolute) to the player on `bus`; an empty list asks it to
// come to the front.
HandOverResult HandOverToRunningPlayer(QDBusConnection bus, const QStringList& paths,
                                       int timeoutMs = 5000);

}  // namespace kd
