#include "ui/PrintModule.h"

#include <QLibrary>

#include "util/AppPaths.h"

namespace kd {

QString PrintImage(const QImage& image, const QString& title, QWidget* parent) {
  // Kept loaded once loaded: the print dialog's plugins stay in use.
  QLibrary module(ModuleFolder() + QLatin1String(kPrintModuleFileName));
  const auto print =
      reinterpret_cast<decltype(&kd_print_image)>(module.resolve(kPrintFunctionName));
  if (!print) return QStringLiteral("Printing is not available: ") + module.errorString();
  if (!print(image, title, parent)) return QStringLiteral("The printer could not be opened.");
  return {};
}

}  // namespace kd
