#include <gtest/gtest.h>

#include <QDir>

#include "AddFixture.h"
#include "playlist/FriendlyName.h"

using namespace kd;
using namespace kd::test;

namespace {

const QString kOpenFilter = QStringLiteral(
    "MPEG Audio Files"
    "|*.MP?"
    "|ActiveMovie Files"
    "|*.MP?;*.MPEG;*.DAT;*.WAV;*.AU;*.MID;*.RMI;*.AIF?;*.MOV;*.QT;*.AVI;*.M1V;*.RA;*.RAM;*.RM;*.RMM"
    "|Music Modules"
    "|*.MOD;*.MTM;*FAR;*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM"
    "|Bitmaps"
    "|*.BMP;*.GIF;*.JPG"
    "|Playlists"
    "|*.M3U;*.PLS"
    "|All Files"
    "|*.*");

QList<PlaylistEntry> Filler(int n) {
  QList<PlaylistEntry> entries;
  for (int i = 0; i < n; ++i) entries.append({QStringLiteral("x"), QStringLiteral("/x")});
  return entries;
}

}  // namespace

class MediaAdderTest : public AddFixture {};

TEST_F(MediaAdderTest, DroppedFilesKeepTheDropOrder) {
  Touch(dir, {"in/03 - Third_One.mp3", "in/01-first.wav", "in/cover.jpg"});
  const QString in = dir.path() + "in/";
  playlist.setTNum(0);
  QList<int> counts;
  QObject::connect(&playlist, &Playlist::countChanged, [&counts](int n) { counts << n; });

  adder.AddDropped(
      {in + "03 - Third_One.mp3", in + "01-first.wav", in + "cover.jpg", in + "notes.txt.missing"});
  EXPECT_FALSE(scanner.isBusy());  // no folder: everything happened at once
  EXPECT_EQ(Names(playlist),
            QStringList({"Third One", "first", "cover (picture)", "notes txt missing"}));
  EXPECT_EQ(Paths(playlist), QStringList({in + "03 - Third_One.mp3", in + "01-first.wav",
                                          in + "cover.jpg", in + "notes.txt.missing"}));
  EXPECT_EQ(counts, QList<int>({1, 2, 3, 4}));
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_EQ(adder.AddTitle(), "notes txt missing");
}

TEST_F(MediaAdderTest, DroppedFolderIsScannedInDropOrder) {
  Touch(dir, {"album/2 - b.mp3", "album/10 - c.mp3", "album/sub/d.mp3", "album/skip.ogg",
              "loose.ogg", "after.mp3"});
  settings.ValidExt = QStringLiteral("mp3");
  adder.AddDropped({dir.path() + "loose.ogg", dir.path() + "album", dir.path() + "after.mp3"});
  // The file after the folder waits for the scan.
  EXPECT_TRUE(scanner.isBusy());
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(finishedSignals, 1);
  EXPECT_EQ(Paths(playlist),
            QStringList({dir.path() + "loose.ogg", dir.path() + "album/2 - b.mp3",
                         dir.path() + "album/10 - c.mp3", dir.path() + "album/sub/d.mp3",
                         dir.path() + "after.mp3"}));
  EXPECT_EQ(Names(playlist).mid(1, 3), QStringList({"b", "c", "d"}));
}

TEST_F(MediaAdderTest, FolderAddsUseTheExtensionListOfTheMoment) {
  Touch(dir, {"m/a.mp3", "m/b.ogg"});
  settings.ValidExt = QStringLiteral("ogg");
  adder.AddDropped({dir.path() + "m/"});
  settings.ValidExt = QStringLiteral("mp3");  // a later change does not reach the scan
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "m/b.ogg"}));

  adder.AddDropped({dir.path() + "m"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "m/b.ogg", dir.path() + "m/a.mp3"}));
}

TEST_F(MediaAdderTest, FolderNamedLikeAPlaylistIsScanned) {
  Touch(dir, {"odd.m3u/a.mp3"});
  adder.AddDropped({dir.path() + "odd.m3u"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "odd.m3u/a.mp3"}));
}

TEST_F(MediaAdderTest, AddFileAsksWithTheOpenDialog) {
  Touch(dir, {"music/x.jpg", "music/y.mp3"});
  settings.Path = QStringLiteral("/start/");
  dialogs.answerOpen(dir.path() + "music/x.jpg", 4);
  adder.AddFile();
  ASSERT_EQ(dialogs.openRequests.size(), 1);
  const FileDialogRequest& first = dialogs.openRequests[0];
  EXPECT_EQ(first.title, "打开播放文件");
  EXPECT_EQ(first.filter, kOpenFilter);
  EXPECT_EQ(first.filterIndex, 1);
  EXPECT_EQ(first.initialFolder, "/start/");
  EXPECT_TRUE(first.fileName.isEmpty());
  EXPECT_EQ(adder.AddName(), "x.jpg");
  EXPECT_EQ(adder.AddPath(), dir.path() + "music/x.jpg");
  EXPECT_EQ(Names(playlist), QStringList({"x (picture)"}));
  // The folder is remembered in memory and in the settings file at once.
  EXPECT_EQ(settings.Path, dir.path() + "music/");
  EXPECT_EQ(storedPath(), dir.path() + "music/");

  // The filter chosen last is offered again; a cancel neither adds nor
  // changes what is remembered, but publishes the count.
  int published = 0;
  QObject::connect(&playlist, &Playlist::countChanged, [&published](int) { ++published; });
  adder.AddFile();
  EXPECT_EQ(dialogs.openRequests[1].filterIndex, 4);
  EXPECT_EQ(dialogs.openRequests[1].initialFolder, dir.path() + "music/");
  EXPECT_TRUE(adder.AddName().isEmpty());
  EXPECT_EQ(playlist.count(), 1);
  EXPECT_EQ(published, 1);

  dialogs.answerOpen(dir.path() + "music/y.mp3", 6);
  adder.AddFile();
  EXPECT_EQ(dialogs.openRequests[2].filterIndex, 4);
  adder.AddFile();
  EXPECT_EQ(dialogs.openRequests[3].filterIndex, 6);
  EXPECT_EQ(Names(playlist), QStringList({"x (picture)", "y"}));
}

TEST_F(MediaAdderTest, PlaylistFileIsAppendedNotCleared) {
  dir.write("lists/a.m3u", "one.mp3\r\nsub\\two.mp3\r\n");
  settings.ClearPLFirst = 1;
  playlist.append({"kept", "/kept.mp3"});
  dialogs.answerOpen(dir.path() + "lists/a.m3u");
  adder.AddFile();
  EXPECT_EQ(Paths(playlist), QStringList({"/kept.mp3", dir.path() + "lists/one.mp3",
                                          dir.path() + "lists/sub/two.mp3"}));
  EXPECT_EQ(playlist.title(), "a");
}

TEST_F(MediaAdderTest, OpenAndPlay) {
  playlist.append({"old", "/old.mp3"});
  adder.OpenAndPlay();  // cancelled
  EXPECT_EQ(playlist.count(), 1);
  EXPECT_TRUE(plays.isEmpty());

  playlist.setTNum(0);
  dialogs.answerOpen(dir.path() + "new.mp3");
  adder.OpenAndPlay();
  EXPECT_EQ(plays, QList<QStringList>({{dir.path() + "new.mp3"}}));
  EXPECT_EQ(playlist.TNum(), 1);
}

TEST_F(MediaAdderTest, CommandsDuringAScanWaitForIt) {
  Touch(dir, {"big/a.mp3", "big/b.mp3", "big/c/d.mp3"});
  adder.AddDropped({dir.path() + "big"});
  dialogs.answerOpen(dir.path() + "chosen.mp3");
  adder.OpenAndPlay();  // clears, adds and plays only after the scan
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "chosen.mp3"}));
  EXPECT_EQ(plays, QList<QStringList>({{dir.path() + "chosen.mp3"}}));

  // Start-up plays once the command line's folder is in.
  adder.AddCommandLine(dir.path() + "big");
  EXPECT_TRUE(scanner.isBusy());
  adder.whenIdle([this] { plays.append(Paths(playlist)); });
  ASSERT_TRUE(waitIdle());
  ASSERT_EQ(plays.size(), 2);
  EXPECT_EQ(plays[1].size(), 4);
}

TEST_F(MediaAdderTest, AddFromDir) {
  Touch(dir, {"tree/x.mp3", "tree/y/z.mid"});
  int published = 0;
  QObject::connect(&playlist, &Playlist::countChanged, [&published](int) { ++published; });
  adder.AddFromDir();  // cancelled
  EXPECT_EQ(dialogs.folderPrompts, QStringList({"选择播放文件所在目录:"}));
  EXPECT_FALSE(scanner.isBusy());
  EXPECT_EQ(published, 1);

  dialogs.folderAnswers << dir.path() + "tree/";
  adder.AddFromDir();
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Names(playlist), QStringList({"x", "z"}));
  EXPECT_TRUE(plays.isEmpty());
}

TEST_F(MediaAdderTest, StartUpItems) {
  Touch(dir, {"start/s.mp3"});
  playlist.setTNum(0);
  adder.AddStartFile(dir.path() + "start/01 - s.mp3");
  EXPECT_EQ(Names(playlist), QStringList({"s"}));  // a missing file is added all the same
  EXPECT_EQ(adder.AddName(), dir.path() + "start/01 - s.mp3");

  adder.AddStartFile(QString());  // nothing configured
  EXPECT_EQ(playlist.count(), 1);

  // A relative argument is taken from the current folder.
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path() + "start"));
  playlist.setTNum(5);
  adder.AddCommandLine(QStringLiteral("s.mp3"));
  QDir::setCurrent(before);
  EXPECT_EQ(adder.AddName(), "Commandline");
  EXPECT_EQ(playlist.entries().last(),
            (PlaylistEntry{"s", QFileInfo(dir.path() + "start/s.mp3").absoluteFilePath()}));
  EXPECT_EQ(playlist.TNum(), 1);

  adder.AddCommandLine(QStringLiteral("http://radio.example/live"));
  EXPECT_EQ(playlist.entries().last().path, "http://radio.example/live");
}

TEST_F(MediaAdderTest, EveryAddStopsAtTheCap) {
  Touch(dir, {"t/1.mp3", "t/2.mp3", "t/3.mp3", "t/4.mp3"});
  playlist.appendBatch(Filler(Playlist::kMaxEntries - 2));
  adder.AddDropped({dir.path() + "t"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(playlist.count(), Playlist::kMaxEntries);
  EXPECT_EQ(playlist.entries().last().path, dir.path() + "t/2.mp3");

  adder.AddDropped({dir.path() + "t/3.mp3", dir.path() + "t"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(playlist.count(), Playlist::kMaxEntries);
}

TEST_F(MediaAdderTest, ScanIsBusyUntilFinished) {
  QStringList files;
  for (int i = 0; i < 600; ++i) files << QStringLiteral("many/%1/%2.mp3").arg(i / 50).arg(i);
  Touch(dir, files);
  QList<bool> busyAtBatch;
  QObject::connect(&playlist, &Playlist::countChanged,
                   [&](int) { busyAtBatch << scanner.isBusy(); });
  adder.AddDropped({dir.path() + "many"});
  EXPECT_TRUE(scanner.isBusy());
  EXPECT_EQ(playlist.count(), 0);  // nothing arrives before the event loop runs
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(finishedSignals, 1);
  EXPECT_EQ(playlist.count(), 600);
  ASSERT_FALSE(busyAtBatch.isEmpty());
  EXPECT_TRUE(busyAtBatch.first());
  EXPECT_EQ(Paths(playlist)[51], dir.path() + "many/1/51.mp3");
}

TEST_F(MediaAdderTest, CancelEndsTheScanAndDropsQueuedWork) {
  Touch(dir, {"c/a.mp3", "c/b/c.mp3"});
  adder.AddDropped({dir.path() + "c", dir.path() + "later.mp3"});
  adder.whenIdle([this] { plays.append(Paths(playlist)); });
  scanner.cancel();
  EXPECT_TRUE(scanner.isBusy());  // until the scan's thread has ended
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(finishedSignals, 1);
  EXPECT_TRUE(plays.isEmpty());
  EXPECT_FALSE(Paths(playlist).contains(dir.path() + "later.mp3"));

  // The scanner works again afterwards.
  adder.AddDropped({dir.path() + "c"});
  ASSERT_TRUE(waitIdle());
  EXPECT_TRUE(Paths(playlist).contains(dir.path() + "c/b/c.mp3"));
}
