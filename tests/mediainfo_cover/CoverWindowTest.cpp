#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "CoverFixtures.h"
#include "core/Dialogs.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/widgets/CoverWindow.h"
#include "mediainfo/widgets/CoverWindowHost.h"
#include "support/TempDir.h"

using namespace kd;
using namespace kd::test;

namespace {

// Resizes and lets the (offscreen) window system deliver the geometry change.
void resizeTo(QWidget& window, QSize size) {
  window.resize(size);
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// The colour painted at logical point (x, y).
QColor paintedAt(QWidget& window, int x, int y) {
  const QImage shot = window.grab().toImage();
  const qreal ratio = shot.devicePixelRatio();
  return shot.pixelColor(int(x * ratio), int(y * ratio));
}

TEST(CoverWindow, PictureAreaStaysSquareAndCentredOnEveryResize) {
  CoverWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vexo 播放器 视屏播放窗口"));
  EXPECT_TRUE(window.isWindow());
  window.show();
  // Odd leftovers are rounded, halves to even.
  const std::pair<QSize, QRect> cases[] = {
      {{400, 300}, {50, 0, 300, 300}}, {{200, 500}, {0, 150, 200, 200}},
      {{260, 260}, {0, 0, 260, 260}},  {{301, 200}, {50, 0, 200, 200}},
      {{200, 303}, {0, 52, 200, 200}},
  };
  for (const auto& [size, square] : cases) {
    resizeTo(window, size);
    EXPECT_EQ(window.coverGeometry(), square) << size.width() << "x" << size.height();
  }
}

TEST(CoverWindow, PaintsThePictureInsideTheSquareOnly) {
  CoverWindow window;
  QImage picture(50, 50, QImage::Format_RGB32);
  picture.fill(Qt::red);
  window.setPicture(picture);
  window.show();
  resizeTo(window, {300, 100});
  for (QPoint inside : {QPoint(150, 50), QPoint(101, 1), QPoint(198, 98)})
    EXPECT_EQ(paintedAt(window, inside.x(), inside.y()), QColor(Qt::red));
  EXPECT_NE(paintedAt(window, 10, 50), QColor(Qt::red));
  EXPECT_NE(paintedAt(window, 290, 50), QColor(Qt::red));

  // A new size is scaled anew; clearing leaves no picture behind.
  resizeTo(window, {120, 240});
  EXPECT_EQ(paintedAt(window, 60, 120), QColor(Qt::red));
  EXPECT_NE(paintedAt(window, 60, 20), QColor(Qt::red));
  window.clearPicture();
  EXPECT_NE(paintedAt(window, 60, 120), QColor(Qt::red));
}

TEST(CoverWindow, LoadsLastCoverOnlyWhenItIsAPictureThatLoads) {
  TempDir dir;
  CoverWindow window;
  window.loadLastCover(writePicture(dir.path() + "a.bmp", Qt::cyan));
  EXPECT_EQ(centreColour(window.picture()), QColor(Qt::cyan));
  // What the loader refuses leaves the picture as it is.
  window.loadLastCover(dir.path() + "missing.jpg");
  window.loadLastCover(dir.write("bad.jpg", "not a picture"));
  EXPECT_EQ(centreColour(window.picture()), QColor(Qt::cyan));
}

TEST(CoverWindow, OpensBesideTheMainWindowWithoutTakingTheKeyboard) {
  const QRect screen(0, 0, 1920, 1080);
  const QSize frame(330, 350);
  EXPECT_EQ(CoverWindow::placeBeside({100, 100, 440, 300}, frame, screen), QPoint(540, 100));
  // No room on the right: on the left.
  EXPECT_EQ(CoverWindow::placeBeside({1500, 100, 400, 300}, frame, screen), QPoint(1170, 100));
  // Room on neither side, or low on the screen: kept inside it.
  EXPECT_EQ(CoverWindow::placeBeside({0, 900, 1900, 150}, frame, screen), QPoint(1590, 730));
  EXPECT_EQ(CoverWindow::placeBeside({-50, -40, 10, 10}, frame, screen), QPoint(0, 0));

  CoverWindow window;
  EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

TEST(CoverWindowHost, CreatesTheWindowWhenNeededAndAfreshAfterItIsClosed) {
  TempDir dir;
  QString lastCover;
  CancellingDialogs dialogs;
  CoverArt cover{dialogs};  // no skin sink: a skin without a cover image
  CoverWindowHost host([&] { return lastCover; });
  host.setAnchor([] { return QRect(10, 20, 200, 100); });
  cover.setWindowSink(&host);
  EXPECT_FALSE(host.isCoverWindowVisible());
  host.clearCoverPicture();
  host.hideCoverWindow();
  EXPECT_EQ(host.window(), nullptr);  // nothing to clear or hide brings it into being

  cover.loadCover(writePicture(dir.path() + "a.bmp", Qt::magenta));
  ASSERT_NE(host.window(), nullptr);
  EXPECT_TRUE(host.window()->isVisible());
  EXPECT_EQ(host.window()->pos(), QPoint(210, 20));  // beside the main window
  EXPECT_EQ(centreColour(host.window()->picture()), QColor(Qt::magenta));
  // Hiding keeps the window and its picture.
  QPointer<CoverWindow> first = host.window();
  cover.toggleCoverWindow();
  EXPECT_FALSE(host.isCoverWindowVisible());
  cover.toggleCoverWindow();
  EXPECT_TRUE(host.isCoverWindowVisible());
  EXPECT_EQ(host.window(), first.data());
  EXPECT_EQ(centreColour(first->picture()), QColor(Qt::magenta));
  cover.loadCover(dir.path() + "gone.bmp");
  EXPECT_FALSE(host.isCoverWindowVisible());
  EXPECT_TRUE(first->picture().isNull());

  // Closing unloads it; the next one shows the last cover named then.
  lastCover = writePicture(dir.path() + "last.bmp", Qt::green);
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(host.window(), nullptr);
  host.showCoverWindow();
  ASSERT_NE(host.window(), nullptr);
  EXPECT_EQ(centreColour(host.window()->picture()), QColor(Qt::green));
}

}  // namespace
