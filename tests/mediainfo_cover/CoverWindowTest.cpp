#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "CoverFixtures.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/widgets/CoverWindow.h"
#include "mediainfo/widgets/CoverWindowHost.h"
#include "support/TempDir.h"

using namespace kd;
using namespace kd::test;

namespace {

// Lets the (offscreen) window system deliver pending geometry changes.
void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void resizeTo(QWidget& window, QSize size) {
  window.resize(size);
  settle();
}

TEST(CoverWindow, PictureAreaStaysSquareAndCentredOnEveryResize) {
  CoverWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vexo 播放器 视屏播放窗口"));
  EXPECT_TRUE(window.isWindow());
  window.show();
  settle();

  resizeTo(window, {400, 300});
  EXPECT_EQ(window.coverGeometry(), QRect(50, 0, 300, 300));
  resizeTo(window, {200, 500});
  EXPECT_EQ(window.coverGeometry(), QRect(0, 150, 200, 200));
  resizeTo(window, {260, 260});
  EXPECT_EQ(window.coverGeometry(), QRect(0, 0, 260, 260));
  // Odd leftovers are rounded (halves to even).
  resizeTo(window, {301, 200});
  EXPECT_EQ(window.coverGeometry(), QRect(50, 0, 200, 200));
  resizeTo(window, {200, 303});
  EXPECT_EQ(window.coverGeometry(), QRect(0, 52, 200, 200));
}

TEST(CoverWindow, PaintsThePictureInsideTheSquareOnly) {
  CoverWindow window;
  QImage picture(50, 50, QImage::Format_RGB32);
  picture.fill(Qt::red);
  window.setPicture(picture);
  window.show();
  resizeTo(window, {300, 100});

  const QImage shot = window.grab().toImage();
  const qreal ratio = shot.devicePixelRatio();
  auto at = [&](int x, int y) { return shot.pixelColor(int(x * ratio), int(y * ratio)); };
  EXPECT_EQ(at(150, 50), QColor(Qt::red));
  EXPECT_EQ(at(101, 1), QColor(Qt::red));
  EXPECT_EQ(at(198, 98), QColor(Qt::red));
  EXPECT_NE(at(10, 50), QColor(Qt::red));
  EXPECT_NE(at(290, 50), QColor(Qt::red));

  // A new size is scaled anew; clearing leaves no picture behind.
  resizeTo(window, {120, 240});
  const QImage tall = window.grab().toImage();
  EXPECT_EQ(tall.pixelColor(int(60 * ratio), int(120 * ratio)), QColor(Qt::red));
  EXPECT_NE(tall.pixelColor(int(60 * ratio), int(20 * ratio)), QColor(Qt::red));
  window.clearPicture();
  EXPECT_NE(window.grab().toImage().pixelColor(int(60 * ratio), int(120 * ratio)), QColor(Qt::red));
}

TEST(CoverWindow, LoadsLastCoverOnlyWhenItIsAnExistingPicture) {
  TempDir dir;
  CoverWindow window;
  window.loadLastCover(dir.path() + "missing.jpg");
  EXPECT_TRUE(window.picture().isNull());
  window.loadLastCover(dir.write("bad.jpg", "not a picture"));
  EXPECT_TRUE(window.picture().isNull());
  window.loadLastCover(writePicture(dir.path() + "a.bmp", {8, 8}, Qt::cyan, "BMP"));
  EXPECT_EQ(centreColour(window.picture()), QColor(Qt::cyan));
}

TEST(CoverWindowHost, CreatesTheWindowWhenNeededAndAfreshAfterItIsClosed) {
  TempDir dir;
  QString lastCover = writePicture(dir.path() + "last.bmp", {8, 8}, Qt::green, "BMP");
  CoverWindowHost host([&] { return lastCover; });
  EXPECT_EQ(host.window(), nullptr);
  EXPECT_FALSE(host.isCoverWindowVisible());
  host.clearCoverPicture();
  host.hideCoverWindow();
  EXPECT_EQ(host.window(), nullptr);  // nothing to clear or hide brings it into being

  host.showCoverWindow();
  ASSERT_NE(host.window(), nullptr);
  EXPECT_TRUE(host.isCoverWindowVisible());
  EXPECT_EQ(centreColour(host.window()->picture()), QColor(Qt::green));

  // Hiding keeps the window and its picture.
  QPointer<CoverWindow> first = host.window();
  host.hideCoverWindow();
  EXPECT_FALSE(host.isCoverWindowVisible());
  EXPECT_EQ(host.window(), first.data());

  // Closing unloads it; the next one shows the picture named then.
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(host.window(), nullptr);
  lastCover = writePicture(dir.path() + "next.bmp", {8, 8}, Qt::blue, "BMP");
  host.showCoverWindow();
  ASSERT_NE(host.window(), nullptr);
  EXPECT_EQ(centreColour(host.window()->picture()), QColor(Qt::blue));
}

TEST(CoverWindowHost, CoverArtShowsPicturesInTheRealWindow) {
  TempDir dir;
  CoverArt cover;
  CoverWindowHost host([&] { return cover.LastCover(); });
  FakeSkinCover skin;
  skin.visible = false;
  cover.setSkinSink(&skin);
  cover.setWindowSink(&host);

  cover.LoadCover(writePicture(dir.path() + "a.bmp", {16, 16}, Qt::magenta, "BMP"));
  ASSERT_NE(host.window(), nullptr);
  EXPECT_TRUE(host.window()->isVisible());
  EXPECT_EQ(centreColour(host.window()->picture()), QColor(Qt::magenta));

  cover.ToggleCoverWindow();
  EXPECT_FALSE(host.isCoverWindowVisible());
  cover.ToggleCoverWindow();
  EXPECT_TRUE(host.isCoverWindowVisible());

  cover.LoadCover(dir.path() + "gone.bmp");
  EXPECT_FALSE(host.isCoverWindowVisible());
  EXPECT_TRUE(host.window()->picture().isNull());
}

}  // namespace
