#include <gtest/gtest.h>

#include <QFont>

#include <cstring>

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

// A playlist holding entries named by the letters of `names`.
void Fill(Playlist& pl, const char* names) {
  for (const char* c = names; *c; ++c) {
    pl.append({QString(QChar(*c)), QStringLiteral("/music/%1.mp3").arg(QChar(*c))});
  }
}

// The names in order; names and paths must stay paired through every change.
QString Names(const Playlist& pl) {
  QString out;
  for (const PlaylistEntry& e : pl.entries()) {
    EXPECT_EQ(e.path, QStringLiteral("/music/") + e.name + QStringLiteral(".mp3"));
    out += e.name;
  }
  return out;
}

// A playlist of `names` with `selected` selected, changed by one remove or move.
struct Change {
  const char* names;
  int selected;
  int arg;  // the index removed, or the distance moved
  const char* after;
  int selectedAfter;
};

}  // namespace

TEST(PlaylistModel, RemoveSelectsTheEntryThatTookThePlaceOrTheNewLast) {
  constexpr int kDelete = -99;  // the Delete key: remove the selected entry
  const Change cases[] = {
      {"a", 0, 0, "", -1},  // an emptied list has no selection
      {"abcd", -1, 1, "acd", 1},
      {"acd", 1, kDelete, "ad", 1},  // same row number, another entry: still announced
      {"ad", 1, 1, "a", 0},          // the last one went: the new last
      {"abc", 2, -1, "abc", 2},
      {"abc", 2, 3, "abc", 2},  // out of range: no change
      {"abc", 2, 40000, "abc", 2},
      {"abc", -1, kDelete, "abc", -1},
  };
  for (const Change& c : cases) {
    SCOPED_TRACE(testing::Message() << c.names << " remove " << c.arg);
    Playlist pl;
    Fill(pl, c.names);
    pl.setSelectedIndex(c.selected);
    Published pub(pl);
    c.arg == kDelete ? pl.removeSelected() : pl.removeEntry(c.arg);
    EXPECT_EQ(Names(pl), c.after);
    EXPECT_EQ(pl.selectedIndex(), c.selectedAfter);
    // The count and the selection are published when something was removed.
    const int n = static_cast<int>(std::strlen(c.after));
    const bool removed = std::strlen(c.names) > std::strlen(c.after);
    EXPECT_EQ(pub.counts, removed ? std::vector<int>{n} : std::vector<int>{});
    EXPECT_EQ(pub.selections, removed ? std::vector<int>{c.selectedAfter} : std::vector<int>{});
  }
}

TEST(PlaylistModel, MoveSwapsWithTheNeighbourAndTheSelectionFollows) {
  const Change cases[] = {
      {"abcd", 1, 1, "acbd", 2}, {"abcd", 1, -1, "bacd", 0},
      {"abc", 0, -1, "abc", 0},  {"abc", 2, 1, "abc", 2},  // at the ends
      {"abc", -1, 1, "abc", -1},  // would address the entry before the first
      {"abc", 5, 1, "abc", -1},   // a selection outside the list is none
  };
  for (const Change& c : cases) {
    SCOPED_TRACE(testing::Message() << c.names << " select " << c.selected << " move " << c.arg);
    Playlist pl;
    Fill(pl, c.names);
    pl.setCurrentEntry(2);
    pl.setSelectedIndex(c.selected);
    pl.moveSelected(c.arg);
    EXPECT_EQ(Names(pl), c.after);
    EXPECT_EQ(pl.selectedIndex(), c.selectedAfter);
    EXPECT_EQ(pl.currentEntry(), 2);  // moving never changes the current track
  }
}

TEST(PlaylistModel, ThePlayingEntryIsBoldAndStaysWithItsEntry) {
  Playlist pl;
  Fill(pl, "abcde");
  const auto bold = [&pl]() {
    QString rows;
    for (int row = 0; row < pl.count(); ++row) {
      const QVariant font = pl.data(pl.index(row), Qt::FontRole);
      if (font.isValid() && font.value<QFont>().bold()) rows += pl.entry(row).name;
    }
    return rows;
  };
  pl.setPlayingIndex(2);
  EXPECT_EQ(bold(), "c");
  pl.removeEntry(0);  // an entry before it
  EXPECT_EQ(pl.playingIndex(), 1);
  pl.setSelectedIndex(1);
  pl.moveSelected(1);  // it moves
  pl.setSelectedIndex(1);
  pl.moveSelected(-1);  // another moves past it
  EXPECT_EQ(Names(pl), "dbce");
  EXPECT_EQ(bold(), "c");
  pl.removeEntry(3);  // an entry after it
  EXPECT_EQ(bold(), "c");
  pl.removeEntry(2);  // the entry itself
  EXPECT_EQ(bold(), "");
  EXPECT_EQ(pl.playingIndex(), -1);
  pl.setPlayingIndex(7);  // outside the list: none
  EXPECT_EQ(pl.playingIndex(), -1);
  pl.setPlayingIndex(0);
  pl.clear();
  EXPECT_EQ(pl.playingIndex(), -1);
}

TEST(PlaylistModel, ClearReturnsToTheInitialState) {
  Playlist pl;
  Fill(pl, "abc");
  pl.setCurrentEntry(3);
  pl.setSelectedIndex(1);
  pl.setTitle("Road Trip");
  pl.setCover("/lists/road.jpg");
  Published pub(pl);
  pl.clear();
  EXPECT_EQ(pl.rowCount(), 0);
  EXPECT_EQ(pl.currentEntry(), 1);
  EXPECT_EQ(pl.selectedIndex(), -1);
  EXPECT_EQ(pl.title(), "untitled");
  EXPECT_EQ(pl.cover(), "");
  EXPECT_EQ(pub.clears, 1);
  EXPECT_EQ(pub.titles, QStringList{"untitled"});
  EXPECT_EQ(pub.counts, std::vector<int>{0});
}

TEST(PlaylistModel, EveryAddStopsAtTheCap) {
  Playlist pl;
  Published pub(pl);
  EXPECT_EQ(pl.appendBatch(QList<PlaylistEntry>(40000, {"x", "/x"})), Playlist::kMaxEntries);
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);
  // One model change for the whole batch.
  ASSERT_EQ(pub.inserts.size(), 1u);
  EXPECT_EQ(pub.inserts[0], std::make_pair(0, Playlist::kMaxEntries - 1));
  EXPECT_TRUE(pl.isFull());
  EXPECT_FALSE(pl.append({"y", "/y"}));
  EXPECT_EQ(pl.appendBatch({{"y", "/y"}}), 0);
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);

  pl.removeEntry(0);
  pl.removeEntry(0);
  EXPECT_EQ(pl.appendBatch({{"p", "/p"}, {"q", "/q"}, {"r", "/r"}}), 2);
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
