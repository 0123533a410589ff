#include <gtest/gtest.h>

#include <QFile>

#include "CoverFixtures.h"
#include "mediainfo/CoverArt.h"
#include "support/TempDir.h"
#include "util/AppPaths.h"

using namespace kd;
using namespace kd::test;

namespace {

class CoverArtTest : public ::testing::Test {
 protected:
  CoverArtTest() : music(dir.mkdir("music")), program(dir.mkdir("program")) {
    SetProgramFolderOverride(program);
    cover.setSkinSink(&skin);
    cover.setWindowSink(&window);
    cover.setPlaylistCover([this] { return plCover; });
    cover.setPreferencesVisibleQuery([this] { return prefsVisible; });
    cover.setDialogs(&dialogs);
  }
  ~CoverArtTest() override { SetProgramFolderOverride(QString()); }

  QString picture(const QString& fullPath, QColor colour = Qt::red, const char* format = "JPG") {
    return writePicture(fullPath, {32, 32}, colour, format);
  }

  TempDir dir;
  QString music;    // the track's folder, with a trailing "/"
  QString program;  // the program folder
  FakeSkinCover skin;
  FakeCoverWindow window;
  FakeDialogs dialogs;
  QString plCover;
  bool prefsVisible = false;
  CoverArt cover;
};

TEST_F(CoverArtTest, TagNamesAreFoundWithoutRegardToCaseAndLaterRulesWin) {
  const QString folder = music.chopped(1);  // the folder gets its "/" added
  const QString byAlbum = picture(music + "Album.JPG", Qt::red);
  cover.LoadTagCover(folder, "Artist", "album");
  EXPECT_EQ(cover.LastCover(), byAlbum);
  EXPECT_TRUE(nearColour(centreColour(skin.picture), Qt::red));

  const QString joined = picture(music + "artist-ALBUM.bmp", Qt::green, "BMP");
  cover.LoadTagCover(folder, "Artist", "album");
  EXPECT_EQ(cover.LastCover(), joined);

  const QString spaced = picture(music + "ARTIST - Album.gif", Qt::blue, "BMP");
  cover.LoadTagCover(folder, "  Artist ", " album   ");
  EXPECT_EQ(cover.LastCover(), spaced);
  EXPECT_EQ(centreColour(skin.picture), QColor(Qt::blue));
}

TEST_F(CoverArtTest, ArtistWithoutAlbumTriesTheArtistNames) {
  const QString dashed = picture(music + "Artist-.jpg");
  cover.LoadTagCover(music, "Artist", "");
  EXPECT_EQ(cover.LastCover(), dashed);
  // The name's trailing blank is trimmed by the picture search.
  const QString spaced = picture(music + "Artist -.jpg", Qt::green);
  cover.LoadTagCover(music, "Artist", "");
  EXPECT_EQ(cover.LastCover(), spaced);
}

TEST_F(CoverArtTest, NulPaddedTagFieldsFallBackToThePlaylistPicture) {
  picture(music + "Album.jpg");
  picture(music + "Artist - Album.jpg");
  plCover = picture(dir.path() + "list.jpg", Qt::yellow);
  const QString nuls(3, QChar(0));
  cover.LoadTagCover(music, "Artist" + nuls, "Album" + nuls);
  EXPECT_EQ(cover.LastCover(), plCover);
  EXPECT_TRUE(nearColour(centreColour(skin.picture), Qt::yellow));
}

TEST_F(CoverArtTest, FallsBackToPlaylistPictureThenDefaultThenClears) {
  picture(music + "Other.jpg");
  plCover = picture(dir.path() + "list.jpg", Qt::yellow);
  cover.LoadTagCover(music, "Artist", "Album");
  EXPECT_EQ(cover.LastCover(), plCover);

  plCover.clear();
  const QString fallback = picture(program + "NoCover.BMP", Qt::gray, "BMP");
  EXPECT_EQ(CoverArt::DefaultPicture(), fallback);
  cover.LoadTagCover(music, "Artist", "Album");
  EXPECT_EQ(cover.LastCover(), fallback);
  EXPECT_EQ(centreColour(skin.picture), QColor(Qt::gray));

  // Without a default picture the cover is cleared.
  window.visible = true;
  window.picture = QImage(1, 1, QImage::Format_RGB32);
  ASSERT_TRUE(QFile::remove(fallback));
  cover.LoadTagCover(music, "Artist", "Album");
  EXPECT_EQ(cover.LastCover(), QString());
  EXPECT_TRUE(skin.picture.isNull());
  EXPECT_TRUE(window.picture.isNull());
  EXPECT_FALSE(window.visible);
}

TEST_F(CoverArtTest, TheSamePathIsNotLoadedAgainUntilThePlaylistIsCleared) {
  const QString path = picture(music + "a.jpg", Qt::red);
  cover.LoadCover(path);
  ASSERT_EQ(skin.shows, 1);
  picture(path, Qt::green);  // the file changes on disk
  cover.LoadCover(path);
  EXPECT_EQ(skin.shows, 1);
  EXPECT_TRUE(nearColour(centreColour(skin.picture), Qt::red));

  cover.PlaylistCleared();
  EXPECT_TRUE(skin.picture.isNull());
  EXPECT_EQ(window.clears, 1);
  EXPECT_EQ(cover.LastCover(), QString());
  cover.LoadCover(path);
  EXPECT_EQ(skin.shows, 2);
  EXPECT_TRUE(nearColour(centreColour(skin.picture), Qt::green));
}

TEST_F(CoverArtTest, ExistingNonPicturesAndUndecodablePicturesChangeNothing) {
  const QString shown = picture(music + "a.jpg");
  cover.LoadCover(shown);
  const int shows = skin.shows;

  cover.LoadCover(dir.write("list.m3u", "song.mp3\r\n"));
  cover.LoadCover(dir.write("song.mp3", QByteArray(512, '\0')));
  cover.LoadCover(dir.write("broken.jpg", QByteArray(300, 'x')));
  cover.LoadCover(dir.write("huge.bmp", QByteArray("BM") + QByteArray(52, '\xff')));
  EXPECT_EQ(cover.LastCover(), shown);
  EXPECT_EQ(skin.shows, shows);
  EXPECT_EQ(skin.clears, 0);
  EXPECT_FALSE(skin.picture.isNull());
}

TEST_F(CoverArtTest, MissingFileOrEmptyNameClearsBothPictures) {
  skin.visible = false;
  cover.LoadCover(picture(music + "a.jpg"));
  ASSERT_TRUE(window.visible);
  cover.LoadCover(music + "gone.jpg");
  EXPECT_TRUE(skin.picture.isNull());
  EXPECT_TRUE(window.picture.isNull());
  EXPECT_FALSE(window.visible);
  EXPECT_EQ(cover.LastCover(), QString());

  cover.LoadCover(picture(music + "b.jpg"));
  cover.LoadCover(QString());
  EXPECT_TRUE(skin.picture.isNull());
  EXPECT_EQ(cover.LastCover(), QString());
}

TEST_F(CoverArtTest, ANameWithoutDotLooksForItsPicture) {
  const QString found = picture(music + "Front.Jpg");
  cover.LoadCover(music + "front");
  EXPECT_EQ(cover.LastCover(), found);
  // A base with no picture at all clears.
  cover.LoadCover(music + "back");
  EXPECT_EQ(cover.LastCover(), QString());
  EXPECT_GE(skin.clears, 1);
}

TEST_F(CoverArtTest, CoverWindowIsFilledAndShownOnlyWhenTheSkinShowsNoCover) {
  const QString a = picture(music + "a.jpg", Qt::red);
  cover.LoadCover(a);
  EXPECT_FALSE(skin.picture.isNull());
  EXPECT_EQ(window.fills, 0);
  EXPECT_FALSE(window.visible);

  skin.visible = false;
  const QString b = picture(music + "b.jpg", Qt::blue);
  cover.LoadCover(b);
  EXPECT_EQ(window.fills, 1);
  EXPECT_TRUE(window.visible);
  EXPECT_TRUE(nearColour(centreColour(window.picture), Qt::blue));
  EXPECT_TRUE(nearColour(centreColour(skin.picture), Qt::blue));

  // Without any skin cover image the window is the only place.
  CoverArt windowOnly;
  FakeCoverWindow other;
  windowOnly.setWindowSink(&other);
  windowOnly.LoadCover(a);
  EXPECT_TRUE(other.visible);
  EXPECT_EQ(windowOnly.LastCover(), a);
}

TEST_F(CoverArtTest, NothingHappensWhileThePreferencesAreOnScreen) {
  const QString a = picture(music + "a.jpg");
  cover.LoadCover(a);
  prefsVisible = true;
  cover.LoadCover(picture(music + "b.jpg"));
  cover.LoadCover(QString());
  cover.LoadTagCover(music, "", "b");
  EXPECT_EQ(cover.LastCover(), a);
  EXPECT_EQ(skin.shows, 1);
  EXPECT_EQ(skin.clears, 0);
}

TEST_F(CoverArtTest, SelectCoverAsksWithTheDialogsTextsAndRemembersTheChoice) {
  dialogs.answer.clear();
  cover.SelectCover();
  ASSERT_EQ(dialogs.requests.size(), 1);
  const FileDialogRequest& first = dialogs.requests.at(0);
  EXPECT_EQ(first.title, "Select Cover");
  EXPECT_EQ(first.filter, "Bitmap|*.gif;*.bmp;*.jpg");
  EXPECT_EQ(first.filterIndex, 1);
  EXPECT_EQ(first.initialFolder, QString());
  EXPECT_EQ(first.fileName, QString());
  EXPECT_EQ(skin.shows + skin.clears, 0);  // cancel does nothing

  dialogs.answer = picture(music + "chosen.bmp", Qt::green, "BMP");
  cover.SelectCover();
  EXPECT_EQ(cover.LastCover(), dialogs.answer);
  cover.SelectCover();
  EXPECT_EQ(dialogs.requests.at(2).fileName, dialogs.answer);
}

}  // namespace
