// Printing comes from the module in the module folder: the built module
// offers its entry, and without the module printing says so instead of
// failing quietly.

#include <gtest/gtest.h>

#include <QImage>
#include <QLibrary>

#include "support/TempDir.h"
#include "ui/PrintModule.h"
#include "util/AppPaths.h"

namespace kd {
namespace {

TEST(PrintModuleTest, TheBuiltModuleOffersItsEntry) {
  QLibrary module(QStringLiteral(KD_TEST_MODULE_DIR "/") + QLatin1String(kPrintModuleFileName));
  EXPECT_NE(module.resolve(kPrintFunctionName), nullptr) << qPrintable(module.errorString());
}

TEST(PrintModuleTest, WithoutTheModulePrintingSaysItIsNotAvailable) {
  test::TempDir empty;
  SetModuleFolderOverride(empty.path());
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::white);
  const QString failure = PrintImage(picture, QStringLiteral("打印"), nullptr);
  SetModuleFolderOverride({});
  EXPECT_TRUE(failure.startsWith(QStringLiteral("Printing is not available")))
      << qPrintable(failure);
}

}  // namespace
}  // namespace kd
