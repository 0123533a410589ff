#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "AddFixture.h"
#include "playlist/FolderScan.h"
#include "playlist/NaturalOrder.h"

using namespace kd;
using kd::test::TempDir;
using kd::test::Touch;

namespace {

const ScanOptions kDefault{QStringLiteral("mp2 mp3 mpa wav mid rmi")};

// Paths relative to `root`, in scan order.
QStringList Relative(const QList<PlaylistEntry>& entries, const QString& root) {
  QStringList out;
  for (const PlaylistEntry& e : entries) {
    EXPECT_TRUE(e.path.startsWith(root)) << e.path.toStdString();
    out << e.path.mid(root.size());
  }
  return out;
}

}  // namespace

TEST(FolderScan, QualifyingFilesBreadthFirstInFileManagerOrder) {
  const struct {
    QStringList files;
    QStringList found;
  } cases[] = {
      // The folder, then its subfolders, then theirs.
      {{"B/C/b-deep.mp3", "A/C/a-deep.mp3", "B/b.mp3", "A/a.mp3", "top.mp3", "A/C/D/deepest.mp3"},
       {"top.mp3", "A/a.mp3", "B/b.mp3", "A/C/a-deep.mp3", "B/C/b-deep.mp3", "A/C/D/deepest.mp3"}},
      // Files and folders in the order file managers show.
      {{"track 10.mp3", "Track 2.mp3", "track 1.mp3", "b.mp3", "A.mp3", "10/x.mp3", "9/x.mp3",
        "_intro.mp3", "02.mp3", "1.mp3"},
       {"1.mp3", "02.mp3", "_intro.mp3", "A.mp3", "b.mp3", "track 1.mp3", "Track 2.mp3",
        "track 10.mp3", "9/x.mp3", "10/x.mp3"}},
      // Hidden entries are left out.
      {{".hidden.mp3", ".cache/x.mp3", "shown/.y.mp3", "shown/y.mp3", "z.mp3"},
       {"z.mp3", "shown/y.mp3"}},
      // The extension occurs anywhere in the list, in any case.
      {{"song.mp", "song.mp4", "song.MP3", "song.p3", "song.wma", "cover.jpg", "MP3", "readme",
        "dot.", "a.b.mid", "x.3 M"},
       {"a.b.mid", "MP3", "song.mp", "song.MP3", "song.p3", "x.3 M"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files.join(' ').toStdString());
    TempDir dir;
    Touch(dir, c.files);
    EXPECT_EQ(Relative(ScanDir(dir.path(), kDefault), dir.path()), c.found);
    // The folder may be given without its trailing "/".
    EXPECT_EQ(ScanDir(dir.path().chopped(1), kDefault), ScanDir(dir.path(), kDefault));
  }
  TempDir dir;
  EXPECT_TRUE(ScanDir(QString(), kDefault).isEmpty());
  EXPECT_TRUE(ScanDir(dir.path() + QStringLiteral("missing"), kDefault).isEmpty());
}

TEST(FolderScan, CompareFileNames) {
  QStringList names = {"a10", "a2", "A1", "a02b", "a2a", "a"};
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return FileNameLess(a, b); });
  EXPECT_EQ(names, QStringList({"a", "A1", "a2", "a2a", "a02b", "a10"}));
  // Numbers far beyond 64 bits still compare by value.
  EXPECT_LT(CompareFileNames(u"x99999999999999999999999", u"x100000000000000000000000"), 0);
  // Equal under the rules, yet a total order: "1" before "01", and an exact tie-break.
  EXPECT_LT(CompareFileNames(u"x1", u"x01"), 0);
  EXPECT_NE(CompareFileNames(u"Song", u"song"), 0);
  EXPECT_EQ(CompareFileNames(u"Song", u"song"), -CompareFileNames(u"song", u"Song"));
  EXPECT_EQ(CompareFileNames(u"歌", u"歌"), 0);
}

TEST(FolderScan, DisplayNameDropsTheExtensionFirst) {
  TempDir dir;
  Touch(dir, {"a.b.mp3", "01 - Some_Song.mp3"});
  const QString root = dir.path();
  EXPECT_EQ(
      ScanDir(root, kDefault),
      QList<PlaylistEntry>({{"Some Song", root + "01 - Some_Song.mp3"}, {"a", root + "a.b.mp3"}}));
  ScanOptions off = kDefault;
  off.friendlyNames = false;
  EXPECT_EQ(ScanDir(root, off),
            QList<PlaylistEntry>(
                {{"01 - Some_Song", root + "01 - Some_Song.mp3"}, {"a.b", root + "a.b.mp3"}}));
}

TEST(FolderScan, LinksAreFollowedOnceAndLoopsEnd) {
  TempDir dir;
  Touch(dir, {"music/A/a.mp3", "music/B/b.mp3", "elsewhere/e.mp3"});
  const QString root = dir.path() + QStringLiteral("music/");
  ASSERT_TRUE(QFile::link(root, root + QStringLiteral("A/loop")));         // back to the top
  ASSERT_TRUE(QFile::link(root + "A", root + QStringLiteral("B/again")));  // a folder seen already
  ASSERT_TRUE(QFile::link(dir.path() + "elsewhere", root + QStringLiteral("linked")));
  ASSERT_TRUE(QFile::link(root + "A/a.mp3", root + QStringLiteral("alias.mp3")));
  ASSERT_TRUE(QFile::link(root + "gone.mp3", root + QStringLiteral("broken.mp3")));
  EXPECT_EQ(Relative(ScanDir(root, kDefault), root),
            QStringList({"alias.mp3", "A/a.mp3", "B/b.mp3", "linked/e.mp3"}));
}

TEST(FolderScan, StopsAtTheLimitAndOnRequest) {
  TempDir dir;
  QStringList files;
  for (int i = 1; i <= 30; ++i) files << QStringLiteral("f%1/%2.mp3").arg(i / 10).arg(i);
  Touch(dir, files);
  ScanOptions options = kDefault;
  options.limit = 12;
  const auto limited = ScanDir(dir.path(), options);
  ASSERT_EQ(limited.size(), 12);
  EXPECT_EQ(limited.back().path, dir.path() + "f1/12.mp3");

  // The sink ends the scan by answering false.
  int calls = 0;
  options.limit = Playlist::kMaxEntries;
  const int handed = ScanDir(dir.path(), options, [&calls](QList<PlaylistEntry>&&) {
    ++calls;
    return false;
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(handed, 9);  // f0 holds 1..9

  std::atomic<bool> stop{true};
  options.stop = &stop;
  EXPECT_TRUE(ScanDir(dir.path(), options).isEmpty());
}
