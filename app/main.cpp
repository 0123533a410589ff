// kavorodeck: a skinnable media player.
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/ProcessSetup.h"
#include "mpris/HandOver.h"
#include "util/BuiltInFiles.h"

namespace {

void print(FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

// A second start: the running player takes the paths and this start ends.
// Returns the exit status, or -1 when there is no player to take them.
int handOver(const QDBusConnection& bus, const QStringList& paths) {
  const kd::HandOverResult result = kd::HandOverToRunningPlayer(bus, paths);
  using Outcome = kd::HandOverResult::Outcome;
  if (result.outcome == Outcome::NoPlayer) return -1;
  for (const QString& path : result.rejected) {
    print(stderr, QStringLiteral("kavorodeck: no such file or folder: %1\n").arg(path));
  }
  return result.rejected.isEmpty() ? 0 : 1;
}

}  // namespace

namespace {

// A fractional QT_SCALE_FACTOR (1.25, 1.5) becomes the nearest whole number
// (at least 1), like the screen's own factor: skins stay sharp.
void RoundScaleFactorVariable() {
  bool ok = false;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  if (!ok || !(factor > 0.0) || factor > 16.0 || factor == std::round(factor)) return;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(std::max(1L, std::lround(factor))));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const kd::CommandLine commandLine = kd::CommandLine::parse(arguments, QDir::currentPath());
  switch (commandLine.action) {
    case kd::CommandLine::Action::Help:
      print(stdout, kd::UsageText());
      return 0;
    case kd::CommandLine::Action::Version:
      print(stdout, kd::VersionText());
      return 0;
    case kd::CommandLine::Action::Error:
      print(stderr, commandLine.error + QLatin1Char('\n'));
      return 2;
    case kd::CommandLine::Action::Run:
      break;
  }
  kd::TuneMemoryAllocator();
  std::jthread fontWarmUp = kd::WarmUpFontConfiguration();

  // The skinned window needs X11 features (shapes, placement, stacking);
  // under Wayland it runs through XWayland unless the user chose otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  // Skins are drawn at a whole number of device pixels per skin pixel, so
  // their bitmaps stay sharp: a screen scale of 1.25 counts as 1, 1.5 as 2.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  RoundScaleFactorVariable();
  // The arguments are the player's own: Qt gets none of them to read as its
  // options.
  int qtArgc = 1;
  QApplication qtApp(qtArgc, argv);
  qtApp.setApplicationName(QStringLiteral("kavorodeck"));
  qtApp.setApplicationVersion(QStringLiteral(KD_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("kavorodeck"));
  qtApp.setQuitOnLastWindowClosed(false);

  const QDBusConnection bus = kd::SessionBusIfAny();
  if (const int status = handOver(bus, commandLine.paths); status >= 0) return status;

  kd::UseBuiltInFilesWhenMissing(kd::BuiltInCacheFolder());
  // Done by now; the skin asks for its fonts next.
  if (fontWarmUp.joinable()) fontWarmUp.join();
  kd::Application app(commandLine.paths);
  app.publishOnBus(bus);
  app.start();
  return qtApp.exec();
}
