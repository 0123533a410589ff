#pragma once
// Starts programs directly (never through a shell) and opens addresses with
// the desktop's handler.

#include "core/Launcher.h"

namespace kd {

class SystemLauncher : public Launcher {
 public:
  QString FindProgram(const QString& name) const override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  bool OpenUrl(const QUrl& url) override;
};

}  // namespace kd
