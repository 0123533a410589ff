#include <gtest/gtest.h>

#include <QDir>

#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "support/TempDir.h"

using namespace kd;

namespace {

const PlaylistReadOptions kFriendly{true};

QStringList Paths(const Playlist& pl) {
  QStringList out;
  for (const PlaylistEntry& e : pl.entries()) out << e.path;
  return out;
}

QStringList Names(const Playlist& pl) {
  QStringList out;
  for (const PlaylistEntry& e : pl.entries()) out << e.name;
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
  // GBK bytes of 中文 and 歌 (not valid UTF-8, so the legacy code page is used).
  const QByteArray zhongwen("\xD6\xD0\xCE\xC4");
  const QByteArray ge("\xB8\xE8");
  const QString file = dir.write("lists/Road_Trip.m3u",
                                 "#EXTM3U\r\n"
                                 "#EXTINF:123,Artist - Title\r\n"
                                 "sub\\01 - " +
                                     zhongwen +
                                     ".mp3\r\n"
                                     "\r\n"
                                     "   \\music\\" +
                                     ge +
                                     "_b.mp3  \r\n"
                                     "C:\\m\\c.mp3\r\n"
                                     "C:d.mp3\r\n"
                                     "HTTP://radio.example/stream\r\n"
                                     "https://radio.example/x.mp3\r\n"
                                     "  #not a comment.mp3\r\n"
                                     "..\\up\\art.JPG\r\n");
  Playlist pl;
  const std::vector<int> counts = Counts(pl, file);

  const QString d = dir.path() + "lists/";
  EXPECT_EQ(Paths(pl),
            QStringList({d + "sub/01 - 中文.mp3", "/music/歌_b.mp3", "C:\\m\\c.mp3", d + "C:d.mp3",
                         "HTTP://radio.example/stream", "https://radio.example/x.mp3",
                         d + "#not a comment.mp3", d + "../up/art.JPG"}));
  EXPECT_EQ(Names(pl),
            QStringList({"中文", "歌 b", "c", "C:d", "HTTP://radio.example/stream",
                         "https://radio.example/x.mp3", "#not a comment", "art (picture)"}));
  EXPECT_EQ(pl.title(), "Road Trip");
  EXPECT_EQ(counts, std::vector<int>{8});
}

TEST(PlaylistRead, EveryLineEndCountsAndBomIsDropped) {
  test::TempDir dir;
  const QString file = dir.write("x.m3u",
                                 "\xEF\xBB\xBF"
                                 "a.mp3\nb.mp3\rc.mp3\r\n\n\rd.mp3");
  Playlist pl;
  PlRead(pl, file, kFriendly);
  EXPECT_EQ(Names(pl), QStringList({"a", "b", "c", "d"}));
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
                                 "NumberOfEntries=7\r\n"
                                 "Version=2\r\n");
  Playlist pl;
  PlRead(pl, file, PlaylistReadOptions{false});
  // The blank after "=" is kept, so " C:\..." is no drive path.
  EXPECT_EQ(Paths(pl), QStringList({dir.path() + "second.mp3", dir.path() + " C:/first.mp3",
                                    "http://radio.example/a=b", "/abs/x_y.mp3"}));
  EXPECT_EQ(Names(pl),
            QStringList({"second.mp3", "first.mp3", "http://radio.example/a=b", "x_y.mp3"}));
}

TEST(PlaylistRead, TitleAndPictureComeFromThePlaylistsName) {
  test::TempDir dir;
  const QString file = dir.write("My_List.m3u", "a.mp3\r\n");
  dir.write("my_list.bmp", "b");
  const QString jpg = dir.write("My_List.Jpg", "j");
  Playlist pl;
  PlRead(pl, file, kFriendly);
  EXPECT_EQ(pl.title(), "My List");
  EXPECT_EQ(pl.PLCover(), jpg);

  PlRead(pl, dir.path() + "Other.m3u", PlaylistReadOptions{false});
  EXPECT_EQ(pl.title(), "Other.m3u");
  EXPECT_EQ(pl.PLCover(), "");
}

TEST(PlaylistRead, OnlyM3uAndPlsExtensionsAreRead) {
  test::TempDir dir;
  Playlist pl;
  PlRead(pl, dir.write("a.m3U", "one.mp3\r\n"), kFriendly);
  PlRead(pl, dir.write("b.pLs", "File1=two.mp3\r\n"), kFriendly);
  const std::vector<int> counts = Counts(pl, dir.write("c.txt", "three.mp3\r\n"));
  EXPECT_EQ(Names(pl), QStringList({"one", "two"}));
  EXPECT_EQ(pl.title(), "c");
  EXPECT_EQ(counts, std::vector<int>{2});
}

TEST(PlaylistRead, AppendsAndStopsAtTheCapCountingEntriesAlreadyThere) {
  test::TempDir dir;
  Playlist pl;
  pl.appendBatch(QList<PlaylistEntry>(Playlist::kMaxEntries - 3, PlaylistEntry{"x", "/x"}));
  const std::vector<int> counts = Counts(pl, dir.write("x.m3u", "a\r\nb\r\nc\r\nd\r\ne\r\n"));
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);
  EXPECT_EQ(pl.entry(pl.count() - 1).name, "c");
  EXPECT_EQ(counts, std::vector<int>{Playlist::kMaxEntries});
}

TEST(PlaylistRead, HugeInputIsCappedOrReadWhole) {
  test::TempDir dir;
  QByteArray lines;
  for (int i = 0; i < 100000; ++i) lines += "track" + QByteArray::number(i) + ".mp3\r\n";
  Playlist pl;
  PlRead(pl, dir.write("many.m3u", lines), kFriendly);
  EXPECT_EQ(pl.count(), Playlist::kMaxEntries);
  EXPECT_EQ(pl.entry(Playlist::kMaxEntries - 1).name, "track32765");

  Playlist one;
  const QByteArray longName(1 << 20, 'n');
  PlRead(one, dir.write("long.m3u", "/m/" + longName + ".mp3\r\n"), kFriendly);
  ASSERT_EQ(one.count(), 1);
  EXPECT_EQ(one.entry(0).path.size(), 3 + longName.size() + 4);
}

TEST(PlaylistRead, UnreadableFilesAddNothingButStillPublishTheCount) {
  test::TempDir dir;
  Playlist pl;
  pl.append({"kept", "/kept.mp3"});
  const QString folder = dir.mkdir("folder.m3u");
  EXPECT_EQ(Counts(pl, folder.chopped(1)), std::vector<int>{1});
  EXPECT_EQ(Counts(pl, dir.path() + "missing.m3u"), std::vector<int>{1});
  EXPECT_EQ(pl.title(), "missing");
  EXPECT_EQ(Counts(pl, ""), std::vector<int>{1});
  EXPECT_EQ(Names(pl), QStringList{"kept"});
}

TEST(PlaylistRead, BinaryGarbageNeitherCrashesNorHangs) {
  test::TempDir dir;
  QByteArray garbage;
  quint32 seed = 12345;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245u + 12345u;
    garbage += static_cast<char>(seed >> 24);
  }
  for (const char* name : {"g.m3u", "g.pls"}) {
    Playlist pl;
    PlRead(pl, dir.write(name, garbage), kFriendly);
    EXPECT_LE(pl.count(), Playlist::kMaxEntries);
    for (const PlaylistEntry& e : pl.entries()) EXPECT_FALSE(e.path.isEmpty());
  }
}
