// Which entries a folder offers, how they fall into pages, which cover each
// entry shows and which lines a selected playlist lists.
#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "browser/BrowserRules.h"
#include "browser/CoverFinder.h"
#include "util/TextCodec.h"

using namespace kd;
using kd::test::TempDir;

namespace {

QStringList Relative(const QStringList& paths, const QString& root) {
  QStringList out;
  for (const QString& p : paths) out << (p.startsWith(root) ? p.mid(root.size()) : p);
  return out;
}

void Touch(const TempDir& dir, const QStringList& files) {
  for (const QString& f : files) dir.write(f, "x");
}

}  // namespace

TEST(BrowserEntries, PlaylistsOfTheWholeTreeBreadthFirst) {
  TempDir dir;
  Touch(dir, {"b/deep/z.pls", "a/x.M3U", "top.m3u", "a/y.pls", "song.mp3", "cover.jpg",
              ".hidden.m3u", "a/Rock.DIR/inside.m3u"});
  // A folder named like a directory entry is a folder, not an entry.
  EXPECT_EQ(
      Relative(ListBrowserEntries(dir.path()), dir.path()),
      (QStringList{"top.m3u", "a/x.M3U", "a/y.pls", "a/Rock.DIR/inside.m3u", "b/deep/z.pls"}));
  // The folder may be given without its trailing "/".
  EXPECT_EQ(ListBrowserEntries(dir.path().chopped(1)), ListBrowserEntries(dir.path()));
}

TEST(BrowserEntries, DirectoryEntriesInTheFolderWin) {
  TempDir dir;
  Touch(dir, {"Rock.DIR", "jazz.dir", "Pop 10.Dir", "Pop 9.DIR", ".old.DIR", "a.m3u",
              "sub/deeper.DIR", "sub/b.pls"});
  EXPECT_EQ(Relative(ListBrowserEntries(dir.path()), dir.path()),
            (QStringList{"jazz.dir", "Pop 9.DIR", "Pop 10.Dir", "Rock.DIR"}));
  // Only those directly in the folder count.
  TempDir nested;
  Touch(nested, {"sub/deeper.DIR", "sub/b.pls"});
  EXPECT_EQ(Relative(ListBrowserEntries(nested.path()), nested.path()), QStringList{"sub/b.pls"});
}

TEST(BrowserPages, PageCountAndPageLine) {
  const struct {
    int entries;
    int page;
    int lastPage;
    const char* line;
  } cases[] = {
      {0, 0, 0, "页面  1 与  1.  全部播放列表: 0"},
      {16, 0, 0, "页面  1 与  1.  全部播放列表: 16"},
      {17, 1, 1, "页面  2 与  2.  全部播放列表: 17"},
      {20, 0, 1, "页面  1 与  2.  全部播放列表: 20"},
      {20, 1, 1, "页面  2 与  2.  全部播放列表: 20"},
      {5000, 312, 312, "页面  313 与  313.  全部播放列表: 5000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries);
    EXPECT_EQ(LastPageIndex(c.entries), c.lastPage);
    EXPECT_EQ(PageStatusText(c.page, c.entries), QString::fromUtf8(c.line));
  }
}

TEST(BrowserCovers, JpegBeforeGifBeforeBitmapWhateverTheCase) {
  TempDir dir;
  const QStringList lists = test::WritePlaylists(dir, "", 5);
  test::WriteCover(lists[0], "bmp", Qt::red);
  const QString jpg = test::WriteCover(lists[0], "JPG", Qt::red);
  test::WriteCover(lists[1], "bmp", Qt::red);
  const QString gif = dir.write("list02.Gif", "GIF89a");
  const QString bmp = test::WriteCover(lists[2], "BMP", Qt::red);
  // A folder named like a picture is none.
  dir.mkdir("list04.jpg");

  CoverFinder finder;
  EXPECT_EQ(finder.coverOf(lists[0]), jpg);
  EXPECT_EQ(finder.coverOf(lists[1]), gif);
  EXPECT_EQ(finder.coverOf(lists[2]), bmp);
  EXPECT_EQ(finder.coverOf(lists[3]), "");
  EXPECT_EQ(finder.coverOf(dir.path() + "missing/x.m3u"), "");
  EXPECT_EQ(finder.coverOf(dir.path() + "Rock.DIR"), "");
  // A directory entry's cover is named after it, too. (Each finder lists a
  // folder once, so a new one sees the new picture.)
  const QString rock = test::WriteCover(dir.path() + "Rock.DIR", "jpg", Qt::red);
  EXPECT_EQ(CoverFinder().coverOf(dir.path() + "Rock.DIR"), rock);
}

TEST(BrowserListing, LinesShownFromTheirLastPathPart) {
  TempDir dir;
  const QString m3u =
      dir.write("a.m3u",
                "#EXTM3U\r\n#EXTINF:10,Song\r\nC:\\music\\one.mp3\r\nsub/two.mp3\nthree.mp3\r\n"
                "\r\nhttp://radio/stream");
  EXPECT_EQ(
      PlaylistListing(m3u, kDefaultCodepage, 100),
      (QStringList{"#EXTM3U", "#EXTINF:10,Song", "one.mp3", "two.mp3", "three.mp3", "", "stream"}));
  EXPECT_EQ(PlaylistListing(m3u, kDefaultCodepage, 2), (QStringList{"#EXTM3U", "#EXTINF:10,Song"}));
}

TEST(BrowserListing, UnreadableOrBinaryPlaylistListsNothing) {
  TempDir dir;
  EXPECT_TRUE(PlaylistListing(dir.path() + "missing.m3u", kDefaultCodepage, 100).isEmpty());
  EXPECT_TRUE(PlaylistListing(dir.mkdir("folder.m3u"), kDefaultCodepage, 100).isEmpty());
  const QByteArray binary = QByteArray(
                                "\x7f"
                                "ELF\x02\x01\x01\0\0\0\r\nx",
                                14)
                                .repeated(300);
  EXPECT_TRUE(PlaylistListing(dir.write("bin.m3u", binary), kDefaultCodepage, 100).isEmpty());
  // A very long line is cut to what a list shows.
  const QString wide = dir.write("wide.m3u", QByteArray(100000, 'a'));
  const QStringList lines = PlaylistListing(wide, kDefaultCodepage, 100);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_LT(lines[0].size(), 1000);
}
