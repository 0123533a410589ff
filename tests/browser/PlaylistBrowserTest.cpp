// The browser as its window uses it: scanning a folder, pages of covers,
// selecting, loading through the executor, and what keeps it busy.
#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "browser/PlaylistBrowser.h"
#include "support/Waiting.h"

using namespace kd;
using kd::test::TempDir;
using kd::test::WaitUntil;

namespace {

class PlaylistBrowserTest : public ::testing::Test {
 protected:
  PlaylistBrowserTest() { connectBrowser(); }

  void connectBrowser() {
    QObject::connect(browser.get(), &PlaylistBrowser::coverReady,
                     [this](int cell, const QImage& picture) {
                       covers.append({cell, test::centreColour(picture)});
                     });
    QObject::connect(browser.get(), &PlaylistBrowser::pageShown,
                     [this](const QStringList& entries) {
                       shown = entries;
                       covers.clear();
                     });
  }
  void useOptions(BrowserOptions options) {
    browser = std::make_unique<PlaylistBrowser>(std::move(options), executor);
    connectBrowser();
  }
  bool idle() {
    return WaitUntil([this] { return !browser->isBusy(); });
  }
  // The colour shown by each cell of the page, by cell.
  QList<QColor> cellColours() const {
    QList<QColor> colours(shown.size());
    for (const auto& [cell, colour] : covers) colours[cell] = colour;
    return colours;
  }

  TempDir dir;
  QString nocover = test::writePicture(dir.path() + "share/nocover.bmp", Qt::blue);
  test::RecordingExecutor executor;
  std::unique_ptr<PlaylistBrowser> browser =
      std::make_unique<PlaylistBrowser>(BrowserOptions{true, kDefaultCodepage, nocover}, executor);
  QStringList shown;
  QList<std::pair<int, QColor>> covers;
};

TEST_F(PlaylistBrowserTest, TwentyPlaylistsMakeTwoPagesOfCovers) {
  const QStringList lists = test::WritePlaylists(dir, "lists/", 20);
  for (const QString& list : lists) test::WriteCover(list, "jpg", Qt::red);

  ASSERT_TRUE(browser->scanFolder(dir.path() + "lists"));
  EXPECT_TRUE(browser->isBusy());
  EXPECT_EQ(browser->statusText(), PlaylistBrowser::kSelectFromLeft);
  ASSERT_TRUE(idle());
  EXPECT_EQ(browser->entries(), lists);
  EXPECT_EQ(shown, lists.mid(0, 16));
  ASSERT_EQ(cellColours().size(), 16);
  for (const QColor& c : cellColours()) EXPECT_TRUE(test::nearColour(c, Qt::red));
  EXPECT_EQ(browser->pageStatus(), QString::fromUtf8("页面  1 与  2.  全部播放列表: 20"));
  EXPECT_EQ(browser->statusText(), QString::fromUtf8(PlaylistBrowser::kChoosePlaylist));
  EXPECT_EQ(browser->toolTipOf(lists[0]), "list01");

  browser->nextPage();
  EXPECT_EQ(browser->statusText(), PlaylistBrowser::kLoadingPage);
  ASSERT_TRUE(idle());
  EXPECT_EQ(shown, lists.mid(16));
  EXPECT_EQ(covers.size(), 4);
  EXPECT_EQ(browser->pageStatus(), QString::fromUtf8("页面  2 与  2.  全部播放列表: 20"));

  // No page past the last or before the first.
  int pages = 0;
  QObject::connect(browser.get(), &PlaylistBrowser::pageShown, [&pages] { ++pages; });
  browser->nextPage();
  EXPECT_EQ(browser->page(), 1);
  browser->previousPage();
  browser->previousPage();
  EXPECT_EQ(browser->page(), 0);
  EXPECT_EQ(pages, 1);
}

TEST_F(PlaylistBrowserTest, EachCellShowsItsCoverElseTheDefaultPicture) {
  const QStringList lists = test::WritePlaylists(dir, "", 4);
  test::WriteCover(lists[0], "jpg", Qt::red);
  test::WriteCover(lists[0], "bmp", Qt::green);
  test::WriteCover(lists[1], "BMP", Qt::green, {1200, 900});
  dir.write("list03.jpg", "not a picture at all");  // corrupt: the default shows

  browser->setCellSize({100, 100});
  QList<QSize> sizes;
  QObject::connect(browser.get(), &PlaylistBrowser::coverReady,
                   [&sizes](int, const QImage& picture) { sizes << picture.size(); });
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  // Every picture is scaled once, to the cell.
  EXPECT_EQ(sizes, QList<QSize>(4, QSize(100, 100)));
  const QList<QColor> colours = cellColours();
  ASSERT_EQ(colours.size(), 4);
  EXPECT_TRUE(test::nearColour(colours[0], Qt::red));
  EXPECT_EQ(colours[1], QColor(Qt::green));
  EXPECT_EQ(colours[2], QColor(Qt::blue));
  EXPECT_EQ(colours[3], QColor(Qt::blue));

  // Without nocover.bmp a cell without a cover shows no picture.
  useOptions({});
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  EXPECT_FALSE(cellColours()[3].isValid());
  EXPECT_TRUE(test::nearColour(cellColours()[0], Qt::red));
}

TEST_F(PlaylistBrowserTest, PageChangeWhileLoadingCancelsTheOldPage) {
  const QStringList lists = test::WritePlaylists(dir, "", 32);
  for (int i = 0; i < 32; ++i)
    test::WriteCover(lists[i], "jpg", i < 16 ? Qt::red : Qt::green, {800, 800});

  // The next page is asked for as soon as the first picture of page 1 shows.
  bool switched = false;
  QObject::connect(browser.get(), &PlaylistBrowser::coverReady, [this, &switched] {
    if (switched) return;
    switched = true;
    EXPECT_TRUE(browser->isBusy());
    browser->nextPage();
  });
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  EXPECT_EQ(shown, lists.mid(16));
  // Only the new page's pictures arrived, each once.
  EXPECT_EQ(covers.size(), 16);
  for (const auto& [cell, colour] : covers)
    EXPECT_TRUE(test::nearColour(colour, Qt::green)) << cell;
  // Nothing of the old page comes late.
  test::Wait(200);
  EXPECT_EQ(covers.size(), 16);
}

TEST_F(PlaylistBrowserTest, SelectingListsThePlaylistOrTheDirectoryHint) {
  dir.write("Rock.DIR", "");
  dir.write("Jazz.DIR", "");
  const QStringList rock = test::WritePlaylists(dir, "Rock/", 2);

  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  EXPECT_EQ(shown, (QStringList{dir.path() + "Jazz.DIR", dir.path() + "Rock.DIR"}));
  browser->selectCell(1);
  EXPECT_EQ(browser->statusText(), "Rock");
  EXPECT_EQ(browser->selectedLines(),
            QStringList{QString::fromUtf8(PlaylistBrowser::kDirectoryHint)});
  browser->selectCell(2);  // no entry there
  EXPECT_EQ(browser->selectedEntry(), dir.path() + "Rock.DIR");

  // Loading a directory entry enters its folder.
  EXPECT_EQ(browser->load(), PlaylistBrowser::LoadResult::FolderEntered);
  ASSERT_TRUE(idle());
  EXPECT_EQ(browser->folder(), dir.path() + "Rock/");
  EXPECT_EQ(browser->entries(), rock);
  EXPECT_TRUE(executor.commands.isEmpty());

  browser->selectCell(0);
  EXPECT_EQ(browser->statusText(), "list01");
  EXPECT_TRUE(WaitUntil([this] { return !browser->selectedLines().isEmpty(); }));
  EXPECT_EQ(browser->selectedLines(), (QStringList{"#EXTM3U", "song1.mp3"}));
}

TEST_F(PlaylistBrowserTest, LoadPlaysTheSelectedPlaylistThroughTheExecutor) {
  const QStringList lists = test::WritePlaylists(dir, "", 3);
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());

  // Nothing selected: nothing happens.
  int loaded = 0;
  QObject::connect(browser.get(), &PlaylistBrowser::playlistLoaded, [&loaded] { ++loaded; });
  EXPECT_EQ(browser->load(), PlaylistBrowser::LoadResult::Nothing);
  EXPECT_TRUE(executor.commands.isEmpty());

  browser->selectCell(2);
  EXPECT_EQ(browser->load(), PlaylistBrowser::LoadResult::PlaylistLoaded);
  ASSERT_EQ(executor.commands.size(), 1);
  EXPECT_EQ(executor.commands[0].first, int(Command::OpenPath));
  EXPECT_EQ(executor.commands[0].second, CommandArgument(lists[2]));
  EXPECT_EQ(loaded, 1);
  EXPECT_FALSE(browser->isBusy());
}

TEST_F(PlaylistBrowserTest, ADirectoryEntryToAMissingFolderAndAMissingFolderChangeNothing) {
  dir.write("Gone.DIR", "");
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  browser->selectCell(0);
  int busyChanges = 0;
  QObject::connect(browser.get(), &PlaylistBrowser::busyChanged, [&busyChanges] { ++busyChanges; });
  EXPECT_EQ(browser->load(), PlaylistBrowser::LoadResult::Nothing);
  EXPECT_FALSE(browser->scanFolder(dir.path() + "missing"));
  EXPECT_EQ(browser->entries(), QStringList{dir.path() + "Gone.DIR"});
  EXPECT_EQ(browser->statusText(), "Gone");
  EXPECT_EQ(busyChanges, 0);

  // A folder scanned anew forgets the selection: Load then does nothing.
  ASSERT_TRUE(browser->scanFolder(dir.path()));
  ASSERT_TRUE(idle());
  EXPECT_EQ(browser->load(), PlaylistBrowser::LoadResult::Nothing);
}

}  // namespace
