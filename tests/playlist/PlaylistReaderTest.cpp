#include <gtest/gtest.h>

#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "support/TempDir.h"

using namespace kd;

namespace {

const PlaylistReadOptions kFriendly{true};

// One field of every entry, in order.
QStringList Column(const Playlist& pl, QString PlaylistEntry::*field) {
  QStringList out;
  for (const PlaylistEntry& e : pl.entries()) out << e.*field;
  return out;
}

// Counts published while reading.
std::vector<int> Counts(Playlist& pl, const QString& file,
                        const PlaylistReadOptions& options = kFriendly) {
  std::vector<int> counts;
  const auto c =
      QObject::connect(&pl, &Playlist::countChanged, [&](int n) { counts.push_back(n); });
  PlRead(pl, file, options);
  QObject::disconnect(c);
  return counts;
}

}  // namespace

TEST(PlaylistRead, M3uWrittenOnWindows) {
  test::TempDir dir;
  // The GBK bytes of 中文 and 歌 are not valid UTF-8, so the legacy code page is used.
  const QString file = dir.write("lists/Road_Trip.m3u",
                                 "#EXTM3U\r\n"
                                 "#EXTINF:123,Artist - Title\r\n"
                                 "sub\\01 - \xD6\xD0\xCE\xC4.mp3\r\n"
                                 "\n\r"
                                 "   \\music\\\xB8\xE8_b.mp3  \r\n"
                                 "C:\\m\\c.mp3\n"  // any line end, the last one may be missing
                                 "C:d.mp3\r"
                                 "HTTP://radio.example/stream\r\n"
                                 "https://radio.example/x.mp3\r\n"
                                 "  #not a comment.mp3\r\n"
                                 "..\\up\\art.JPG");
  Playlist pl;
  const std::vector<int> counts = Counts(pl, file);

  const QString d = dir.path() + "lists/";
  EXPECT_EQ(Column(pl, &PlaylistEntry::path),
            QStringList({d + "sub/01 - 中文.mp3", "/music/歌_b.mp3", "C:\\m\\c.mp3", d + "C:d.mp3",
                         "HTTP://radio.example/stream", "https://radio.example/x.mp3",
                         d + "#not a comment.mp3", d + "../up/art.JPG"}));
  EXPECT_EQ(Column(pl, &PlaylistEntry::name),
            QStringList({"中文", "歌 b", "c", "C:d", "HTTP://radio.example/stream",
                         "https://radio.example/x.mp3", "#not a comment", "art (picture)"}));
  EXPECT_EQ(pl.title(), "Road Trip");
  EXPECT_EQ(counts, std::vector<int>{8});
}

TEST(PlaylistRead, PlsTakesFileLinesInFileOrder) {
  test::TempDir dir;
  const QString file = dir.write("x.PLS",
                                 "[playlist]\r\n"
                                 "File2=second.mp3\r\n"
                                 "Title2=Second\r\n"
                                 "  File1= C:\\first.mp3\r\n"
                                 "file3=lowercase.mp3\r\n"
                                 "File4\r\n"
                                 "File5=\r\n"
                                 "File6=http://radio.example/a=b\r\n"
                                 "File7=/abs/x_y.mp3\r\n"
                                 "NumberOfEntries=7\r\n");
  Playlist pl;
  PlRead(pl, file, PlaylistReadOptions{false});
  // The blank after "=" is kept, so " C:\..." is no drive path.
  EXPECT_EQ(Column(pl, &PlaylistEntry::path),
            QStringList({dir.path() + "second.mp3", dir.path() + " C:/first.mp3",
                         "http://radio.example/a=b", "/abs/x_y.mp3"}));
  EXPECT_EQ(Column(pl, &PlaylistEntry::name),
            QStringList({"second.mp3", "first.mp3", "http://radio.example/a=b", "x_y.mp3"}));
}

TEST(PlaylistRead, TitleAndPictureComeFromThePlaylistsNameAndAByteOrderMarkIsDropped) {
  test::TempDir dir;
  const QString file = dir.write("My_List.m3u",
                                 "\xEF\xBB\xBF"
                                 "a.mp3\r\n");
  dir.write("my_list.bmp", "b");
  const QString jpg = dir.write("My_List.Jpg", "j");
  Playlist pl;
  PlRead(pl, file, kFriendly);
  EXPECT_EQ(pl.title(), "My List");
  EXPECT_EQ(pl.cover(), jpg);
  EXPECT_EQ(Column(pl, &PlaylistEntry::name), QStringList{"a"});  // the byte-order mark dropped

  PlRead(pl, dir.path() + "Other.m3u", PlaylistReadOptions{false});
  EXPECT_EQ(pl.title(), "Other.m3u");
  EXPECT_EQ(pl.cover(), "");
}

TEST(PlaylistRead, OnlyM3uAndPlsFilesAddEntries) {
  test::TempDir dir;
  Playlist pl;
  PlRead(pl, dir.write("a.m3U", "one.mp3\r\n"), kFriendly);
  EXPECT_EQ(Counts(pl, dir.write("b.pLs", "File1=two.mp3\r\n")), std::vector<int>{2});
  EXPECT_EQ(Counts(pl, dir.write("c.txt", "three.mp3\r\n")), std::vector<int>{});
  EXPECT_EQ(pl.title(), "c");
  // Unreadable files: a missing file, no name at all.
  EXPECT_EQ(Counts(pl, dir.path() + "missing.m3u"), std::vector<int>{});
  EXPECT_EQ(pl.title(), "missing");
  EXPECT_EQ(Counts(pl, ""), std::vector<int>{});
  EXPECT_EQ(Column(pl, &PlaylistEntry::name), QStringList({"one", "two"}));
}

TEST(PlaylistRead, StopsAtTheCapCountingEntriesAlreadyThereButReadsLongLinesWhole) {
  test::TempDir dir;
  Playlist pl;
  pl.appendBatch(QList<PlaylistEntry>(Playlist::kMaxEntries - 3, PlaylistEntry{"x", "/x"}));
  EXPECT_EQ(Counts(pl, dir.write("x.m3u", "a\r\nb\r\nc\r\nd\r\ne\r\n")),
            std::vector<int>{Playlist::kMaxEntries});
  EXPECT_EQ(pl.entry(pl.count() - 1).name, "c");

  Playlist one;
  const QByteArray longName(1 << 20, 'n');
  PlRead(one, dir.write("long.m3u", "/m/" + longName + ".mp3\r\n"), kFriendly);
  ASSERT_EQ(one.count(), 1);
  EXPECT_EQ(one.entry(0).path.size(), 3 + longName.size() + 4);
}

TEST(PlaylistRead, BinaryGarbageNeitherCrashesNorHangs) {
  test::TempDir dir;
  QByteArray garbage;
  quint32 seed = 12345;
  for (int i = 0; i < 200000; ++i)
    garbage += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  for (const char* name : {"g.m3u", "g.pls"}) {
    Playlist pl;
    PlRead(pl, dir.write(name, garbage), kFriendly);
    for (const PlaylistEntry& e : pl.entries()) EXPECT_FALSE(e.path.isEmpty()) << name;
  }
}
