#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "CoverFixtures.h"
#include "core/Dialogs.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/CoverWindowSink.h"
#include "mediainfo/SkinCoverSink.h"
#include "support/TempDir.h"
#include "support/Waiting.h"
#include "util/AppPaths.h"

using namespace kd;
using namespace kd::test;

namespace {

// The skin's cover image and the cover window: every change in order, each
// picture by the colour at its centre.
class FakeCoverPlaces : public SkinCoverSink, public CoverWindowSink {
 public:
  bool isCoverImageVisible() const override { return skinShowsCover; }
  void showCoverImage(const QImage& p) override { log += "skin " + centreColour(p).name(); }
  void clearCoverImage() override { log += "skin cleared"; }
  void showCoverPicture(const QImage& p) override { log += "window " + centreColour(p).name(); }
  void clearCoverPicture() override { log += "window cleared"; }
  void showCoverWindow() override { log += "window shown"; }
  void hideCoverWindow() override { log += "window hidden"; }
  bool isCoverWindowVisible() const override {
    return log.lastIndexOf("window shown") > log.lastIndexOf("window hidden");
  }
  // The changes since the last call.
  QString take() {
    const QStringList recent = log.mid(m_taken);
    m_taken = log.size();
    return recent.join(", ");
  }

  bool skinShowsCover = true;
  QStringList log;

 private:
  qsizetype m_taken = 0;
};

class FakeDialogs : public Dialogs {
 public:
  FileDialogResult openFile(const FileDialogRequest& request) override {
    requests.append(request);
    return {answer};
  }
  FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }
  QString browseFolder(const QString&) override { return {}; }
  bool confirm(const QString&) override { return false; }
  void showMessage(const QString&) override {}

  QList<FileDialogRequest> requests;
  QString answer;  // "" answers as a cancel
};

class CoverArtTest : public ::testing::Test {
 protected:
  CoverArtTest() : music(dir.mkdir("music")), program(dir.mkdir("program")) {
    SetProgramFolderOverride(program);
    cover.setSkinSink(&places);
    cover.setWindowSink(&places);
    cover.setPlaylistCover([this] { return plCover; });
    cover.setPreferencesVisibleQuery([this] { return prefsVisible; });
  }
  ~CoverArtTest() override { SetProgramFolderOverride(QString()); }

  TempDir dir;
  QString music;    // the track's folder, with a trailing "/"
  QString program;  // the program folder
  FakeCoverPlaces places;
  FakeDialogs dialogs;
  QString plCover;
  bool prefsVisible = false;
  CoverArt cover{dialogs};
};

TEST_F(CoverArtTest, TagNamesAreFoundWithoutRegardToCaseAndLaterRulesWin) {
  plCover = writePicture(dir.path() + "list.bmp", Qt::yellow);
  struct Case {
    QStringList files;  // the last one is the picture expected, unless `playlist`
    QString artist, album;
    bool playlist = false;
  };
  const QString nuls(3, QChar(0));
  const Case cases[] = {
      {{"Album.JPG"}, "Artist", "album"},
      {{"Album.JPG", "artist-ALBUM.bmp"}, "Artist", "album"},
      {{"Album.JPG", "artist-ALBUM.bmp", "ARTIST - Album.gif"}, "  Artist ", " album   "},
      {{"Artist-.jpg"}, "Artist", ""},
      {{"Artist-.jpg", "Artist -.jpg"}, "Artist", ""},  // the base's trailing blank is trimmed
      {{"Other.jpg"}, "Artist", "Album", true},
      // NUL-padded tag fields name no file.
      {{"Album.jpg", "Artist - Album.jpg"}, "Artist" + nuls, "Album" + nuls, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(qPrintable(c.files.join(", ")));
    // A folder of its own, given with and without its "/".
    const QString folder = dir.mkdir(QString::number(++n));
    for (const QString& name : c.files) writePicture(folder + name, Qt::red);
    const QString expected =
        c.playlist ? plCover : writePicture(folder + c.files.last(), Qt::green);
    cover.playlistCleared();
    places.take();
    cover.loadTagCover(n % 2 ? folder : folder.chopped(1), c.artist, c.album);
    EXPECT_EQ(cover.lastCover(), expected);
    EXPECT_EQ(places.take(),
              c.playlist ? "skin #ffff00, window #ffff00" : "skin #00ff00, window #00ff00");
  }
}

TEST_F(CoverArtTest, WithoutAnyPictureTheDefaultShowsElseTheCoverIsCleared) {
  writePicture(music + "Other.jpg");
  const QString fallback = writePicture(program + "NoCover.BMP", Qt::gray);
  EXPECT_EQ(CoverArt::defaultPicture(), fallback);
  places.skinShowsCover = false;
  cover.loadTagCover(music, "Artist", "Album");
  EXPECT_EQ(cover.lastCover(), fallback);
  ASSERT_TRUE(QFile::remove(fallback));
  cover.loadTagCover(music, "Artist", "Album");
  EXPECT_EQ(cover.lastCover(), QString());
  EXPECT_EQ(places.take(),
            "skin #a0a0a4, window #a0a0a4, window shown, "
            "skin cleared, window cleared, window hidden");
}

TEST_F(CoverArtTest, TheSamePathIsNotLoadedAgainUntilThePlaylistIsCleared) {
  const QString path = writePicture(music + "a.jpg", Qt::red);
  cover.loadCover(path);
  writePicture(path, Qt::green);  // the file changes on disk
  cover.loadCover(path);
  cover.playlistCleared();
  EXPECT_EQ(cover.lastCover(), QString());
  cover.loadCover(path);
  EXPECT_EQ(
      places.take(),
      "skin #ff0000, window #ff0000, skin cleared, window cleared, skin #00ff00, window #00ff00");
}

TEST_F(CoverArtTest, NonPicturesUndecodablePicturesAndOpenPreferencesChangeNothing) {
  const QString shown = writePicture(music + "a.jpg");
  cover.loadCover(shown);
  cover.loadCover(dir.write("list.m3u", "song.mp3\r\n"));
  cover.loadCover(dir.write("song.mp3", QByteArray(512, '\0')));
  cover.loadCover(dir.write("broken.jpg", QByteArray(300, 'x')));
  cover.loadCover(dir.write("huge.bmp", QByteArray("BM") + QByteArray(52, '\xff')));
  prefsVisible = true;
  cover.loadCover(writePicture(music + "b.jpg"));
  cover.loadCover(QString());
  cover.loadTagCover(music, "", "b");
  EXPECT_EQ(cover.lastCover(), shown);
  EXPECT_EQ(places.take(), "skin #ff0000, window #ff0000");
}

TEST_F(CoverArtTest, ANameWithoutDotLooksForItsPictureAndMissingNamesClear) {
  places.skinShowsCover = false;
  const QString front = writePicture(music + "Front.Jpg");
  for (const QString& missing : {music + "gone.jpg", QString(), music + "back"}) {
    SCOPED_TRACE(qPrintable(missing));
    cover.loadCover(music + "front");
    EXPECT_EQ(cover.lastCover(), front);
    cover.loadCover(missing);
    EXPECT_EQ(cover.lastCover(), QString());
    EXPECT_EQ(places.take(),
              "skin #ff0000, window #ff0000, window shown, "
              "skin cleared, window cleared, window hidden");
  }
}

TEST_F(CoverArtTest, CoverWindowHoldsEveryCoverAndOpensOnlyWhenTheSkinShowsNone) {
  cover.loadCover(writePicture(music + "a.jpg", Qt::red));
  places.skinShowsCover = false;
  cover.loadCover(writePicture(music + "b.jpg", Qt::blue));
  EXPECT_EQ(places.take(),
            "skin #ff0000, window #ff0000, skin #0000ff, window #0000ff, window shown");
}

TEST_F(CoverArtTest, AfterTheTagNamesComeTheEmbeddedPictureTheFolderPicturesAndThePlaylists) {
  const auto jpeg = [](QColor colour, QSize size = {40, 40}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
  };
  const QByteArray embedded = jpeg(Qt::magenta);
  const auto settle = [this] { return WaitUntil([this] { return !cover.isDecoding(); }); };
  const QString folder = dir.mkdir("album");
  writePicture(folder + "front.gif", Qt::cyan, {32, 32}, "GIF");
  writePicture(folder + "Folder.PNG", Qt::blue, {32, 32}, "PNG");

  // A picture named by the tag comes first; nothing is decoded.
  QString named = writePicture(folder + "Artist - Album.bmp", Qt::green);
  cover.loadTrackCover({folder, "Artist", "Album", embedded});
  EXPECT_FALSE(cover.isDecoding());
  EXPECT_EQ(cover.lastCover(), named);

  // Then the picture inside the file, decoded in the background.
  QFile::remove(named);
  places.take();
  cover.loadTrackCover({folder, "Artist", "Album", embedded});
  ASSERT_TRUE(settle());
  EXPECT_TRUE(nearColour(QColor(places.log.last().section(' ', 1)), Qt::magenta));
  EXPECT_EQ(cover.lastCover(), QString());  // no file to remember

  // Then cover, folder, front in any case; PNG and GIF too.
  cover.loadTrackCover({folder, "Artist", "Album", {}});
  EXPECT_EQ(cover.lastCover(), folder + "Folder.PNG");
  const QString coverJpg = writePicture(folder + "COVER.jpg", Qt::yellow);
  cover.loadTrackCover({folder, "", "", {}});
  EXPECT_EQ(cover.lastCover(), coverJpg);
  // An embedded picture that cannot be decoded goes on down the same list.
  cover.loadTrackCover({folder, "", "", "not a picture"});
  ASSERT_TRUE(settle());
  EXPECT_EQ(cover.lastCover(), coverJpg);

  // Without any: the playlist's picture, then the default.
  const QString empty = dir.mkdir("empty");
  plCover = writePicture(dir.path() + "list.bmp", Qt::gray);
  cover.loadTrackCover({empty, "", "", {}});
  EXPECT_EQ(cover.lastCover(), plCover);
  plCover.clear();
  const QString fallback = writePicture(program + "nocover.bmp", Qt::darkRed);
  cover.loadTrackCover({empty, "", "", {}});
  EXPECT_EQ(cover.lastCover(), fallback);

  // A decode overtaken by another cover is dropped.
  cover.loadTrackCover({empty, "", "", jpeg(Qt::red)});
  cover.loadCover(named = writePicture(folder + "later.bmp", Qt::darkBlue));
  places.take();
  Wait(300);
  EXPECT_FALSE(cover.isDecoding());
  EXPECT_EQ(places.take(), "");
  EXPECT_EQ(cover.lastCover(), named);
}

TEST_F(CoverArtTest, SelectCoverAsksWithTheDialogsTextsAndRemembersTheChoice) {
  cover.selectCover();
  ASSERT_EQ(dialogs.requests.size(), 1);
  const FileDialogRequest& first = dialogs.requests.at(0);
  EXPECT_EQ(first.title, "Select Cover");
  EXPECT_EQ(first.filter, "Bitmap|*.gif;*.bmp;*.jpg");
  EXPECT_EQ(first.filterIndex, 1);
  EXPECT_EQ(first.initialFolder, QString());
  EXPECT_EQ(first.fileName, QString());
  EXPECT_EQ(places.take(), "");  // cancel does nothing

  dialogs.answer = writePicture(music + "chosen.bmp", Qt::green);
  cover.selectCover();
  EXPECT_EQ(cover.lastCover(), dialogs.answer);
  cover.selectCover();
  EXPECT_EQ(dialogs.requests.at(2).fileName, dialogs.answer);
}

}  // namespace
