// kavorodeck: a skinnable media player.
#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/Application.h"

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
  QApplication qtApp(argc, argv);
  qtApp.setApplicationName(QStringLiteral("kavorodeck"));
  qtApp.setQuitOnLastWindowClosed(false);

  // The whole argument text is one path, as a file manager passes it.
  QStringList words;
  for (int i = 1; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);

  kd::Application app(words.join(QLatin1Char(' ')));
  app.start();
  return qtApp.exec();
}
