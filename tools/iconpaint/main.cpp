// Paints the program icon in each of its sizes as the PNG files of an icon
// theme: <out>/hicolor/<n>x<n>/apps/kavorodeck.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/ProgramIcon.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3 || args.at(1) != QLatin1String("--out")) {
    std::fprintf(stderr, "usage: kd_iconpaint --out ICONS_FOLDER\n");
    return 2;
  }
  for (const int size : kd::kProgramIconSizes) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(args.at(2)).arg(size);
    if (!QDir().mkpath(folder) ||
        !kd::PaintProgramIcon(size).save(folder + QStringLiteral("/kavorodeck.png"))) {
      std::fprintf(stderr, "kd_iconpaint: cannot write %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
