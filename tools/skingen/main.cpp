// kd_skingen: paints the default skin of kavorodeck and writes it, with the
// "no cover" picture, into a folder. Run at build time.
//
//   kd_skingen --out FOLDER [--preview FILE.png]

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

#include "Preview.h"
#include "SkinGenerator.h"

int main(int argc, char** argv) {
  // Painting needs fonts but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription("Writes the default skin of kavorodeck.");
  parser.addHelpOption();
  const QCommandLineOption out("out", "Folder to write the skin into.", "folder");
  const QCommandLineOption preview("preview", "Also write a preview picture.", "file.png");
  parser.addOption(out);
  parser.addOption(preview);
  parser.process(app);
  if (!parser.isSet(out) && !parser.isSet(preview)) {
    std::fputs("kd_skingen: give --out FOLDER and/or --preview FILE.png\n", stderr);
    return 2;
  }

  kd::skingen::GeneratedSkin skin;
  QString error;
  bool ok = kd::skingen::GenerateSkin(&skin, &error);
  if (ok && parser.isSet(out)) ok = kd::skingen::WriteSkin(skin, parser.value(out), &error);
  if (ok && parser.isSet(preview)) {
    const QImage picture =
        kd::skingen::RenderPreview(skin.layout, skin.main, skin.resource, skin.noCover);
    ok = kd::skingen::SaveImage(picture, parser.value(preview), "PNG", &error);
  }
  if (!ok) {
    std::fprintf(stderr, "kd_skingen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
