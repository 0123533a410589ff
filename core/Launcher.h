#pragma once
// Starting other programs and opening addresses. Nothing here ever goes
// through a shell: a program is started directly with its argument list, and
// an address is handed to the desktop's handler. The composition root gives
// the real implementation; tests use a recording fake.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace kd {

class Launcher {
 public:
  virtual ~Launcher() = default;

  // The full path of an executable of that name on PATH, or "" when none.
  virtual QString findProgram(const QString& name) const = 0;
  // Starts the program detached, in a normal window of its own; false when it
  // could not be started.
  virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
  // Opens the address with the desktop's default handler; false when refused.
  virtual bool openUrl(const QUrl& url) = 0;
};

}  // namespace kd
