// The frameless window's own behaviour: dragging by the background and by
// labels that take no clicks, snapping, the popup request, on-top, close
// requests, activation and drops.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QUrl>

#include "WindowTestSupport.h"
#include "skin/widgets/CoverImage.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using namespace test;

class WindowBehaviour : public SkinWindowTest {
 protected:
  // Moves the pointer to `global` on the screen, as seen by the window.
  void pointerTo(QPoint global, Qt::MouseButtons buttons = Qt::LeftButton) {
    Move(&window, QPointF(global - window.pos()), buttons);
  }
  // A press and a release on the background at `local`.
  void clickBackground(QPoint local = {150, 95}) {
    Press(&window, local);
    Release(&window, local);
  }
};

TEST_F(WindowBehaviour, OnlyTheLeftButtonOnTheBackgroundDragsKeepingTheGrabPoint) {
  // The right button asks for the popup menu; elements take their own presses.
  Press(&window, {150, 95}, Qt::RightButton);  // global (250, 195)
  pointerTo({400, 400}, Qt::RightButton);
  EXPECT_EQ(takeReports(), QStringList{"PopupRequested 250,195"});
  Press(window.label(1), {3, 3});
  pointerTo({400, 400});
  Press(window.coverImage(), {3, 3});
  pointerTo({420, 420});
  EXPECT_EQ(window.pos(), QPoint(100, 100));

  Press(&window, {150, 95});
  pointerTo({300, 215});
  EXPECT_EQ(window.pos(), QPoint(150, 120));
  pointerTo({320, 225});
  EXPECT_EQ(window.pos(), QPoint(170, 130));
  Release(&window, {150, 95});
  pointerTo({500, 500}, Qt::NoButton);
  EXPECT_EQ(window.pos(), QPoint(170, 130));
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(WindowBehaviour, LabelsThatTakeNoClicksLetTheWindowDragAndOpenItsMenu) {
  SkinDocument doc = SmallSkin();
  doc.labels[16] = SkinLabel{QRect(20, 85, 60, 12), qRgb(255, 255, 255), 8, QStringLiteral("Sans")};
  apply(doc);
  SkinTextLabel* count = window.label(16);  // window (20, 85) = global (120, 185)
  Press(count, {5, 5}, Qt::RightButton);
  Release(count, {5, 5}, Qt::RightButton);
  EXPECT_EQ(takeReports(), QStringList{"PopupRequested 125,190"});

  // A left press drags the window, the pointer moving and released over the label.
  Press(count, {5, 5});
  Move(count, {55, 25}, Qt::LeftButton);  // global (175, 210)
  EXPECT_EQ(window.pos(), QPoint(150, 120));
  Release(count, {55, 25});
  pointerTo({500, 500}, Qt::NoButton);
  EXPECT_EQ(window.pos(), QPoint(150, 120));

  // The time label keeps its clicks to itself: a press there drags nothing.
  Press(window.label(1), {3, 3});
  pointerTo({400, 400});
  Release(window.label(1), {3, 3});
  EXPECT_EQ(window.pos(), QPoint(150, 120));
  EXPECT_EQ(takeReports(), QStringList{"LabelClicked 1"});
}

TEST_F(WindowBehaviour, TheWindowSnapsWhenADragEndsOnlyWithSnappingOn) {
  window.move(-10, 10);
  clickBackground();
  EXPECT_EQ(window.pos(), QPoint(-10, 10));
  window.setWinSnap(1);
  clickBackground();
  EXPECT_EQ(window.pos(), QPoint(0, 0));
  window.move(830, 634);  // right edge 6 px past the work area, bottom 6 px above its end
  clickBackground();
  EXPECT_EQ(window.pos(), QPoint(824, 639));
}

TEST_F(WindowBehaviour, OnTopChangesOnlyWhenItDiffersAndKeepsThePlace) {
  window.show();
  const QRect place = window.geometry();
  for (bool onTop : {true, false}) {
    window.setOnTop(onTop);
    EXPECT_EQ(window.isOnTop(), onTop);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), place);
  }
  window.hide();
  window.setOnTop(true);
  EXPECT_TRUE(window.isOnTop());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowBehaviour, CloseActivationAndCoverDoubleClicksAreOnlyReported) {
  window.show();
  window.close();
  EXPECT_TRUE(window.isVisible());
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&window, &activate);
  DoubleClick(window.coverImage(), {3, 3});
  EXPECT_EQ(takeReports(), (QStringList{"CloseRequested", "Activated", "CoverDoubleClicked"}));
  window.closeForShutdown();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(WindowBehaviour, DropsOfFilesAreCopiesInTheirOrder) {
  EXPECT_TRUE(Drop(&window, {QUrl::fromLocalFile(QStringLiteral("/music/b side.mp3")),
                             QUrl(QStringLiteral("http://example.org/x.mp3")),
                             QUrl::fromLocalFile(QStringLiteral("/music/a.m3u"))}));
  EXPECT_EQ(takeReports(), QStringList{"FilesDropped /music/b side.mp3 /music/a.m3u"});
  // Plain text is no file, nor is a list of addresses only.
  EXPECT_FALSE(Drop(&window, {}, QStringLiteral("/music/c.mp3")));
  EXPECT_FALSE(Drop(&window, {QUrl(QStringLiteral("http://example.org/x.mp3"))}));
}

}  // namespace
}  // namespace kd
