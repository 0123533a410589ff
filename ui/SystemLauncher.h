#pragma once
// Starts programs directly (never through a shell) and opens addresses with
// the desktop's handler.

#include "core/Launcher.h"

namespace kd {

class SystemLauncher : public Launcher {
 public:
  QString findProgram(const QString& name) const override;
  bool startProgram(const QString& program, const QStringList& arguments) override;
  bool openUrl(const QUrl& url) override;
};

}  // namespace kd
