// The playlist box on the playlist model: selection both ways, double-click,
// the Delete key, typed characters and drops.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "WindowTestSupport.h"
#include "playlist/Playlist.h"
#include "skin/widgets/PlaylistBox.h"

namespace kd {
namespace {

class PlaylistBoxTest : public test::SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    for (const char* name : {"one", "two", "three"}) {
      playlist.append({QString::fromLatin1(name), QStringLiteral("/m/") + QLatin1String(name)});
    }
    window.setPlaylist(&playlist);
    window.show();
  }
  PlaylistBox* box() { return window.playlistBox(); }
  int viewRow() {
    const QModelIndexList rows = box()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
  }
  void key(QWidget* target, int code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
  }

  Playlist playlist;
};

TEST_F(PlaylistBoxTest, ShowsTheEntriesInTheSkinsColours) {
  EXPECT_EQ(box()->model()->rowCount(), 3);
  EXPECT_EQ(box()->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(box()->palette().color(QPalette::Text), QColor(255, 255, 255));
  EXPECT_EQ(box()->toolTip(), QStringLiteral("Playlist"));
}

TEST_F(PlaylistBoxTest, SelectionFollowsThePlaylistAndThePlaylistFollowsTheBox) {
  playlist.setSelectedIndex(1);
  EXPECT_EQ(viewRow(), 1);
  box()->selectionModel()->setCurrentIndex(playlist.index(2), QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(playlist.selectedIndex(), 2);
  // Removing the selected last entry selects the new last one, on both sides.
  playlist.PlRemoveSelected();
  EXPECT_EQ(playlist.selectedIndex(), 1);
  EXPECT_EQ(viewRow(), 1);
  playlist.PlMoveEntry(-1);
  EXPECT_EQ(viewRow(), 0);
  playlist.PlClear();
  EXPECT_EQ(viewRow(), -1);
  EXPECT_EQ(playlist.selectedIndex(), -1);
}

TEST_F(PlaylistBoxTest, DoubleClickAndDeleteAreReported) {
  const QRect second = box()->visualRect(playlist.index(1));
  test::DoubleClick(box()->viewport(), second.center());
  key(box(), Qt::Key_Delete);
  EXPECT_EQ(takeReports(), (QStringList{"PlaylistDoubleClicked 1", "PlaylistDeletePressed"}));
  EXPECT_EQ(playlist.count(), 3);  // removing is the application's business
}

TEST_F(PlaylistBoxTest, TypedCharactersGoOnToTheWindow) {
  key(box(), Qt::Key_P, QStringLiteral("p"));
  key(box(), Qt::Key_Escape, QString(QChar(27)));
  EXPECT_EQ(takeReports(), QStringList{"KeyTyped p"});
  playlist.setSelectedIndex(0);
  key(box(), Qt::Key_Down);
  EXPECT_EQ(playlist.selectedIndex(), 1);
}

TEST_F(PlaylistBoxTest, FilesDroppedOnTheBoxAreReported) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/x/1.mp3")),
                 QUrl::fromLocalFile(QStringLiteral("/x/2.mp3"))});
  const QPoint at = box()->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(box()->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box()->viewport(), &drop);
  EXPECT_EQ(takeReports(), QStringList{"FilesDropped /x/1.mp3 /x/2.mp3"});
}

}  // namespace
}  // namespace kd
