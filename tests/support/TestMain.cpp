// Every test binary runs inside a QGuiApplication (offscreen in CTest), so
// tests may use images, fonts and event loops.
#include <gtest/gtest.h>

#ifdef KD_TEST_WIDGETS
#include <QApplication>
#else
#include <QGuiApplication>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A widget-capable application is only made when the binary links widgets.
#ifdef KD_TEST_WIDGETS
  QApplication app(argc, argv);
#else
  QGuiApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
