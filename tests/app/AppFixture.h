#pragma once
// The whole player on the offscreen platform, with its settings and data
// folders in a temporary folder and the audio going to a fake sink.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <memory>

#include "app/Application.h"
#include "core/Commands.h"
#include "support/TempDir.h"
#include "support/Waiting.h"
#include "util/AppPaths.h"

namespace kd::test {

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() {
    SetProgramFolderOverride(QStringLiteral(KD_TEST_SHARE_DIR));
    SetModuleFolderOverride(QStringLiteral(KD_TEST_MODULE_DIR));
    qApp->setQuitOnLastWindowClosed(false);  // as the program runs
  }
  ~AppFixture() override {
    app.reset();
    SetProgramFolderOverride(QString());
    SetModuleFolderOverride(QString());
  }
  // Starts the program (again, as after a restart); `paths`: the command line's.
  void start(const QStringList& paths = {}) {
    app.reset();
    app = std::make_unique<Application>(paths);
    app->start();
  }
  CommandExecutor& commands() { return app->commands(); }
  bool waitIdle(int timeoutMs = 20000) {
    return WaitUntil([this] { return !app->addsPending(); }, timeoutMs);
  }
  // Asks the program to end from inside the event loop, as a key or a menu
  // does, and waits until it has.
  void quit() {
    QObject deadline;
    QTimer::singleShot(0, &deadline, [this] { commands().execute(Command::Quit); });
    QTimer::singleShot(60000, &deadline, [] { QCoreApplication::exit(1); });
    ASSERT_EQ(QCoreApplication::exec(), 0);
  }

  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("config"))};
  ScopedEnv data{"XDG_DATA_HOME", QFile::encodeName(dir.path() + QStringLiteral("data"))};
  ScopedEnv sink{"KAVORODECK_AUDIO_SINK", "fakesink sync=true"};
  std::unique_ptr<Application> app;
};

}  // namespace kd::test
