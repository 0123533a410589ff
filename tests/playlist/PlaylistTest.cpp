#include <gtest/gtest.h>

#include <QSignalBlocker>

#include "playlist/Playlist.h"

using namespace kd;

namespace {

// Records what the playlist publishes.
struct Published {
  explicit Published(Playlist& pl) {
    QObject::connect(&pl, &Playlist::countChanged, [this](int n) { counts.push_back(n); });
    QObject::connect(&pl, &Playlist::selectionChanged, [this](int i) { selections.push_back(i); });
    QObject::connect(&pl, &Playlist::titleChanged, [this](const QString& t) { titles << t; });
    QObject::connect(&pl, &Playlist::cleared, [this] { ++clears; });
    QObject::connect(&pl, &QAbstractItemModel::rowsInserted,
                     [this](const QModelIndex&, int first, int last) {
                       inserts.push_back({first, last});
                     });
  }
  std::vector<int> counts;
  std::vector<int> selections;
  QStringList titles;
  int clears = 0;
  std::vector<std::pair<int, int>> inserts;
};

PlaylistEntry Entry(const QString& name) {
  return {name, QStringLiteral("/music/") + name + QStringLiteral(".mp3")};
}

// A playlist holding entries named by the letters of `names`.
void Fill(Playlist& pl, const QString& names) {
  for (QChar c : names) pl.append(Entry(QString(c)));
}

QString Names(const Playlist& pl) {
  QString out;
  for (const PlaylistEntry& e : pl.entries()) out += e.name;
  return out;
}

// Names and paths must stay paired through every change.
void ExpectPaired(const Playlist& pl) {
  for (const PlaylistEntry& e : pl.entries()) {
    EXPECT_EQ(e.path, QStringLiteral("/music/") + e.name + QStringLiteral(".mp3"));
  }
}

}  // namespace

TEST(PlaylistModel, RemovingTheOnlyEntryEmptiesEverything) {
  Playlist pl;
  Fill(pl, "a");
  pl.setSelectedIndex(0);
  Published pub(pl);
  pl.PlRemoveEntry(0);
  EXPECT_EQ(pl.count(), 0);
  EXPECT_EQ(pl.selectedIndex(), -1);
  EXPECT_EQ(pub.counts, std::vector<int>{0});
  EXPECT_EQ(pub.selections, std::vector<int>{-1});
}

TEST(PlaylistModel, RemoveSelectsTheEntryThatTookThePlaceOrTheNewLast) {
  Playlist pl;
  Fill(pl, "abcd");
  Published pub(pl);

  pl.PlRemoveEntry(1);  // b goes, c moves up and is selected
  EXPECT_EQ(Names(pl), "acd");
  EXPECT_EQ(pl.selectedIndex(), 1);

  pl.setSelectedIndex(1);
  pl.PlRemoveSelected();  // same row number, a different entry: still announced
  EXPECT_EQ(Names(pl), "ad");
  EXPECT_EQ(pl.selectedIndex(), 1);
  EXPECT_EQ(pub.selections, (std::vector<int>{1, 1}));

  pl.PlRemoveEntry(1);  // the last one goes: the new last is selected
  EXPECT_EQ(Names(pl), "a");
  EXPECT_EQ(pl.selectedIndex(), 0);
  EXPECT_EQ(pub.counts, (std::vector<int>{3, 2, 1}));
  ExpectPaired(pl);
}

TEST(PlaylistModel, OutOfRangeRemoveChangesNothingButPublishesTheCount) {
  Playlist pl;
  Fill(pl, "abc");
  pl.setSelectedIndex(2);
  Published pub(pl);
  pl.PlRemoveEntry(-1);
  pl.PlRemoveEntry(3);
  pl.PlRemoveEntry(40000);
  EXPECT_EQ(Names(pl), "abc");
  EXPECT_EQ(pl.selectedIndex(), 2);
  EXPECT_EQ(pub.counts, (std::vector<int>{3, 3, 3}));

  pl.setSelectedIndex(-1);
  pl.PlRemoveSelected();  // Delete with nothing selected
  EXPECT_EQ(Names(pl), "abc");
  EXPECT_EQ(pub.counts.size(), 4u);
}

TEST(PlaylistModel, MoveSwapsWithTheNeighbourAndTheSelectionFollows) {
  Playlist pl;
  Fill(pl, "abcd");
  pl.setTNum(2);
  pl.setSelectedIndex(1);
  pl.PlMoveEntry(1);
  EXPECT_EQ(Names(pl), "acbd");
  EXPECT_EQ(pl.selectedIndex(), 2);
  pl.PlMoveEntry(-1);
  pl.PlMoveEntry(-1);
  EXPECT_EQ(Names(pl), "bacd");
  EXPECT_EQ(pl.selectedIndex(), 0);
  EXPECT_EQ(pl.TNum(), 2);  // moving never changes the current track
  ExpectPaired(pl);
}

TEST(PlaylistModel, MoveAtTheEndsOrWithoutSelectionDoesNothing) {
  Playlist pl;
  Fill(pl, "abc");
  pl.setSelectedIndex(0);
  pl.PlMoveEntry(-1);
  EXPECT_EQ(Names(pl), "abc");
  EXPECT_EQ(pl.selectedIndex(), 0);
  pl.setSelectedIndex(2);
  pl.PlMoveEntry(1);
  EXPECT_EQ(Names(pl), "abc");
  EXPECT_EQ(pl.selectedIndex(), 2);
  pl.setSelectedIndex(-1);
  pl.PlMoveEntry(1);  // would address the entry before the first
  EXPECT_EQ(Names(pl), "abc");
  EXPECT_EQ(pl.selectedIndex(), -1);
}

TEST(PlaylistModel, ClearReturnsToTheInitialState) {
  Playlist pl;
  Fill(pl, "abc");
  pl.setTNum(3);
  pl.setSelectedIndex(1);
  pl.setTitle("Road Trip");
  pl.setPLCover("/lists/road.jpg");
  Published pub(pl);
  pl.PlClear();
  EXPECT_EQ(pl.count(), 0);
  EXPECT_EQ(pl.rowCount(), 0);
  EXPECT_EQ(pl.TNum(), 1);
  EXPECT_EQ(pl.selectedIndex(), -1);
  EXPECT_EQ(pl.title(), "untitled");
  EXPECT_EQ(pl.PLCover(), "");
  EXPECT_EQ(pub.clears, 1);
  EXPECT_EQ(pub.titles, QStringList{"untitled"});
  EXPECT_EQ(pub.counts, std::vector<int>{0});
}

TEST(PlaylistModel, EveryAddStopsAtTheCap) {
  Playlist pl;
  Published pub(pl);
  QList<PlaylistEntry> many(40000, Entry("x"));
  EXPECT_EQ(pl.appendBatch(many), Playlist::kMaxEntries);
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);
  // One model change for the whole batch.
  ASSERT_EQ(pub.inserts.size(), 1u);
  EXPECT_EQ(pub.inserts[0], std::make_pair(0, Playlist::kMaxEntries - 1));
  EXPECT_TRUE(pl.isFull());
  EXPECT_FALSE(pl.append(Entry("y")));
  EXPECT_EQ(pl.appendBatch({Entry("y")}), 0);
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);

  pl.PlRemoveEntry(0);
  pl.PlRemoveEntry(0);
  EXPECT_EQ(pl.appendBatch({Entry("p"), Entry("q"), Entry("r")}), 2);
  EXPECT_EQ(pl.entry(pl.count() - 1).name, "q");
}

TEST(PlaylistModel, ServesNamesAndPathsToViews) {
  Playlist pl;
  Fill(pl, "ab");
  EXPECT_EQ(pl.rowCount(), 2);
  EXPECT_EQ(pl.rowCount(pl.index(0)), 0);  // a flat list
  EXPECT_EQ(pl.data(pl.index(1)).toString(), "b");
  EXPECT_EQ(pl.data(pl.index(1), Playlist::PathRole).toString(), "/music/b.mp3");
  EXPECT_FALSE(pl.data(pl.index(5)).isValid());

  std::vector<int> changedRows;
  QObject::connect(
      &pl, &QAbstractItemModel::dataChanged,
      [&](const QModelIndex& from, const QModelIndex&) { changedRows.push_back(from.row()); });
  pl.setEntryName(1, "b [FILE NOT FOUND]");
  pl.setEntryName(7, "nowhere");
  pl.setEntryPath(-1, "nowhere");
  EXPECT_EQ(pl.data(pl.index(1)).toString(), "b [FILE NOT FOUND]");
  EXPECT_EQ(changedRows, std::vector<int>{1});
}

TEST(PlaylistModel, SelectionOutsideTheListMeansNone) {
  Playlist pl;
  Fill(pl, "ab");
  pl.setSelectedIndex(5);
  EXPECT_EQ(pl.selectedIndex(), -1);
  pl.setSelectedIndex(1);
  EXPECT_EQ(pl.selectedIndex(), 1);
}
