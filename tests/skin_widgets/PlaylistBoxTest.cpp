// The playlist box on the playlist model: selection both ways, double-click,
// the Delete key, typed characters and drops.

#include <gtest/gtest.h>

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
    for (QString name : {"one", "two", "three"}) playlist.append({name, "/m/" + name});
    window.setPlaylist(&playlist);
    window.show();
  }
  PlaylistBox* box() { return window.playlistBox(); }
  int viewRow() {
    const QModelIndexList rows = box()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
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
  playlist.removeSelected();
  EXPECT_EQ(playlist.selectedIndex(), 1);
  EXPECT_EQ(viewRow(), 1);
  playlist.moveSelected(-1);
  EXPECT_EQ(viewRow(), 0);
  playlist.clear();
  EXPECT_EQ(viewRow(), -1);
  EXPECT_EQ(playlist.selectedIndex(), -1);
}

TEST_F(PlaylistBoxTest, KeysDoubleClicksAndDropsAreReported) {
  test::DoubleClick(box()->viewport(), box()->visualRect(playlist.index(1)).center());
  test::Type(box(), QString(), Qt::Key_Delete);
  // Typed characters go on to the window, but not Escape; arrows still move the selection.
  test::Type(box(), QStringLiteral("p"), Qt::Key_P);
  test::Type(box(), QStringLiteral("\x1b"), Qt::Key_Escape);
  playlist.setSelectedIndex(0);
  test::Type(box(), QString(), Qt::Key_Down);
  EXPECT_EQ(playlist.selectedIndex(), 1);
  EXPECT_TRUE(test::Drop(box()->viewport(), {QUrl::fromLocalFile(QStringLiteral("/x/1.mp3")),
                                             QUrl::fromLocalFile(QStringLiteral("/x/2.mp3"))}));
  EXPECT_EQ(takeReports(), (QStringList{"PlaylistDoubleClicked 1", "PlaylistDeletePressed",
                                        "KeyTyped p", "FilesDropped /x/1.mp3 /x/2.mp3"}));
  EXPECT_EQ(playlist.count(), 3);  // removing is the application's business
}

}  // namespace
}  // namespace kd
