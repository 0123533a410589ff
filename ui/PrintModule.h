#pragma once
// Printing is a module of its own, loaded from the program's module folder
// the first time the user prints (see PrintImage), so a start that never
// prints does not load the print support libraries.

#include <QString>

class QImage;
class QWidget;

namespace kd {

// The module's file name, as ui/CMakeLists.txt builds it.
inline constexpr char kPrintModuleFileName[] = "kavorodeck-print.so";
inline constexpr char kPrintFunctionName[] = "kd_print_image";

// Asks for a printer with the system print dialog (titled `title`) and
// prints `image` scaled into the page, centred, its aspect kept. Returns an
// empty text when it printed or the user cancelled, else what went wrong.
QString PrintImage(const QImage& image, const QString& title, QWidget* parent);

}  // namespace kd

// The module's one entry; the same contract as PrintImage without the
// loading.
extern "C" __attribute__((visibility("default"))) bool kd_print_image(const QImage& image,
                                                                      const QString& title,
                                                                      QWidget* parent);
