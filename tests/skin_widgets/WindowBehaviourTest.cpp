// The frameless window's own behaviour: dragging by the background,
// snapping, the popup request, on-top, close requests, activation and drops.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "WindowTestSupport.h"
#include "skin/widgets/CoverImage.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using test::Move;
using test::Press;
using test::Release;

class WindowBehaviour : public test::SkinWindowTest {
 protected:
  // Moves the pointer to `global` on the screen, as seen by the window.
  void pointerTo(QPoint global, Qt::MouseButtons buttons = Qt::LeftButton) {
    Move(&window, QPointF(global - window.pos()), buttons);
  }
};

TEST_F(WindowBehaviour, DraggingTheBackgroundKeepsTheGrabPoint) {
  Press(&window, {150, 95});  // global (250, 195)
  pointerTo({300, 215});
  EXPECT_EQ(window.pos(), QPoint(150, 120));
  pointerTo({320, 225});
  EXPECT_EQ(window.pos(), QPoint(170, 130));
  Release(&window, {150, 95});
  pointerTo({500, 500}, Qt::NoButton);
  EXPECT_EQ(window.pos(), QPoint(170, 130));
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(WindowBehaviour, TheWindowSnapsWhenADragEndsOnlyWithSnappingOn) {
  Press(&window, {150, 95});
  pointerTo({140, 105});  // window top-left (-10, 10)
  Release(&window, {150, 95});
  EXPECT_EQ(window.pos(), QPoint(-10, 10));

  window.setWinSnap(1);
  Press(&window, {150, 95});
  Release(&window, {150, 95});
  EXPECT_EQ(window.pos(), QPoint(0, 0));

  window.move(830, 634);  // right edge 6 px past the work area, bottom 6 px above its end
  Press(&window, {150, 95});
  Release(&window, {150, 95});
  EXPECT_EQ(window.pos(), QPoint(824, 639));
}

TEST_F(WindowBehaviour, ElementsTakeTheirOwnPressesSoTheyDoNotDrag) {
  Press(window.label(1), {3, 3});
  pointerTo({400, 400});
  Press(window.coverImage(), {3, 3});
  pointerTo({420, 420});
  EXPECT_EQ(window.pos(), QPoint(100, 100));
}

TEST_F(WindowBehaviour, TheRightButtonOnTheBackgroundAsksForThePopup) {
  Press(&window, {150, 95}, Qt::RightButton);
  pointerTo({400, 400}, Qt::RightButton);
  EXPECT_EQ(window.pos(), QPoint(100, 100));
  EXPECT_EQ(takeReports(), QStringList{"PopupRequested 250,195"});
}

TEST_F(WindowBehaviour, OnTopChangesOnlyWhenItDiffersAndKeepsThePlace) {
  window.show();
  const QRect place = window.geometry();
  window.setOnTop(true);
  EXPECT_TRUE(window.isOnTop());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.geometry(), place);
  window.setOnTop(false);
  EXPECT_FALSE(window.isOnTop());
  EXPECT_TRUE(window.isVisible());
  window.hide();
  window.setOnTop(true);
  EXPECT_TRUE(window.isOnTop());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowBehaviour, TheWindowManagersCloseIsOnlyReported) {
  window.show();
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(takeReports(), QStringList{"CloseRequested"});
  window.closeForShutdown();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(takeReports().isEmpty());
}

TEST_F(WindowBehaviour, ActivationAndCoverDoubleClicksAreReported) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&window, &activate);
  test::DoubleClick(window.coverImage(), {3, 3});
  EXPECT_EQ(takeReports(), (QStringList{"Activated", "CoverDoubleClicked"}));
}

TEST_F(WindowBehaviour, DropsOfFilesAreCopiesInTheirOrder) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/b side.mp3")),
                 QUrl(QStringLiteral("http://example.org/x.mp3")),
                 QUrl::fromLocalFile(QStringLiteral("/music/a.m3u"))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
  EXPECT_EQ(takeReports(), QStringList{"FilesDropped /music/b side.mp3 /music/a.m3u"});

  QMimeData text;
  text.setText(QStringLiteral("/music/c.mp3"));
  QDragEnterEvent textEnter(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &textEnter);
  EXPECT_FALSE(textEnter.isAccepted());
}

}  // namespace
}  // namespace kd
