#include <gtest/gtest.h>

#include <QDir>

#include "AddFixture.h"

using namespace kd;
using namespace kd::test;

class MediaAdderTest : public AddFixture {};

TEST_F(MediaAdderTest, DropsAreAddedInDropOrderFoldersScannedWhateverTheirName) {
  Touch(dir, {"03 - Third_One.mp3", "cover.jpg", "album.m3u/2 - b.mp3", "album.m3u/10 - c.mp3",
              "album.m3u/sub/d.mp3", "album.m3u/skip.ogg"});
  const QString d = dir.path();
  playlist.setCurrentEntry(0);
  QList<int> counts;
  QObject::connect(&playlist, &Playlist::countChanged, [&counts](int n) { counts << n; });
  adder.addDropped({d + "03 - Third_One.mp3", d + "cover.jpg", d + "notes.txt.missing"});
  EXPECT_FALSE(scanner.isBusy());  // no folder: everything happened at once
  EXPECT_EQ(Names(playlist), QStringList({"Third One", "cover (picture)", "notes txt missing"}));
  EXPECT_EQ(counts, QList<int>({1, 2, 3}));
  EXPECT_EQ(playlist.currentEntry(), 1);

  playlist.clear();
  settings.ValidExt = QStringLiteral("mp3");
  adder.addDropped({d + "loose.ogg", d + "album.m3u", d + "after.mp3"});
  // The file after the folder waits for the scan.
  EXPECT_TRUE(scanner.isBusy());
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(finishedSignals, 1);
  EXPECT_EQ(Paths(playlist),
            QStringList({d + "loose.ogg", d + "album.m3u/2 - b.mp3", d + "album.m3u/10 - c.mp3",
                         d + "album.m3u/sub/d.mp3", d + "after.mp3"}));
  EXPECT_EQ(Names(playlist).mid(1, 3), QStringList({"b", "c", "d"}));
}

TEST_F(MediaAdderTest, FolderAddsReadTheExtensionListOfTheMoment) {
  Touch(dir, {"m/a.mp3", "m/sub/b.ogg"});
  int published = 0;
  QObject::connect(&playlist, &Playlist::countChanged, [&published](int) { ++published; });
  adder.addFromDir();  // cancelled: nothing to scan, nothing changes
  EXPECT_EQ(dialogs.requests.value(0).title, "选择播放文件所在目录:");
  EXPECT_FALSE(scanner.isBusy());
  EXPECT_EQ(published, 0);

  settings.ValidExt = QStringLiteral("ogg");
  dialogs.answer(dir.path() + "m/");
  adder.addFromDir();
  settings.ValidExt = QStringLiteral("mp3");  // a later change does not reach the scan
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Names(playlist), QStringList({"b"}));

  adder.addDropped({dir.path() + "m"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "m/sub/b.ogg", dir.path() + "m/a.mp3"}));
  EXPECT_TRUE(plays.isEmpty());
}

TEST_F(MediaAdderTest, AddFileAsksWithTheOpenDialog) {
  Touch(dir, {"music/x.jpg"});
  settings.Path = QStringLiteral("/start/");
  dialogs.answer(dir.path() + "music/x.jpg", 4);
  adder.addFile();
  ASSERT_EQ(dialogs.requests.size(), 1);
  const FileDialogRequest& first = dialogs.requests[0];
  EXPECT_EQ(first.title, "打开播放文件");
  EXPECT_EQ(first.filter,
            "MPEG Audio Files|*.MP?|ActiveMovie Files|*.MP?;*.MPEG;*.DAT;*.WAV;*.AU;*.MID;*.RMI;"
            "*.AIF?;*.MOV;*.QT;*.AVI;*.M1V;*.RA;*.RAM;*.RM;*.RMM|Music Modules|*.MOD;*.MTM;*FAR;"
            "*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM|Bitmaps|*.BMP;*.GIF;*.JPG|Playlists|*.M3U;"
            "*.PLS|All Files|*.*");
  EXPECT_EQ(first.filterIndex, 1);
  EXPECT_EQ(first.initialFolder, "/start/");
  EXPECT_TRUE(first.fileName.isEmpty());
  EXPECT_EQ(Names(playlist), QStringList({"x (picture)"}));
  // The folder is remembered in the settings file at once.
  EXPECT_EQ(storedPath(), dir.path() + "music/");

  // The folder and the filter chosen last are offered again; a cancel
  // neither adds nor changes what is remembered.
  int published = 0;
  QObject::connect(&playlist, &Playlist::countChanged, [&published](int) { ++published; });
  adder.addFile();
  EXPECT_EQ(dialogs.requests[1].filterIndex, 4);
  EXPECT_EQ(dialogs.requests[1].initialFolder, dir.path() + "music/");
  EXPECT_EQ(playlist.count(), 1);
  EXPECT_EQ(published, 0);

  // A playlist file is appended, whatever ClearPLFirst says.
  dir.write("lists/a.m3u", "one.mp3\r\nsub\\two.mp3\r\n");
  settings.ClearPLFirst = 1;
  dialogs.answer(dir.path() + "lists/a.m3u", 6);
  adder.addFile();
  EXPECT_EQ(dialogs.requests[2].filterIndex, 4);
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "music/x.jpg", dir.path() + "lists/one.mp3",
                                          dir.path() + "lists/sub/two.mp3"}));
  EXPECT_EQ(playlist.title(), "a");
}

TEST_F(MediaAdderTest, AddFileTakesSeveralFilesInTheOrderChosen) {
  Touch(dir, {"m/01 - b.mp3", "m/a.mp3"});
  const QStringList chosen{dir.path() + "m/01 - b.mp3", dir.path() + "m/a.mp3"};
  dialogs.answers.append({chosen[0], 1, chosen});
  adder.addFile();
  ASSERT_TRUE(waitIdle());
  EXPECT_TRUE(dialogs.requests[0].severalFiles);
  EXPECT_EQ(Paths(playlist), chosen);
  EXPECT_EQ(Names(playlist), QStringList({"b", "a"}));
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_EQ(storedPath(), dir.path() + "m/");
}

TEST_F(MediaAdderTest, OpenAndPlayWaitsForARunningScan) {
  playlist.append({"old", "/old.mp3"});
  adder.openAndPlay();  // cancelled
  EXPECT_EQ(playlist.count(), 1);
  EXPECT_TRUE(plays.isEmpty());

  Touch(dir, {"big/a.mp3", "big/b.mp3", "big/c/d.mp3"});
  playlist.setCurrentEntry(0);
  adder.addDropped({dir.path() + "big"});
  dialogs.answer(dir.path() + "chosen.mp3");
  adder.openAndPlay();  // clears, adds and plays only after the scan
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(Paths(playlist), QStringList({dir.path() + "chosen.mp3"}));
  EXPECT_EQ(plays, QList<QStringList>({{dir.path() + "chosen.mp3"}}));
  EXPECT_EQ(playlist.currentEntry(), 1);

  // Start-up plays once the command line's folder is in.
  adder.addCommandLine(dir.path() + "big");
  EXPECT_TRUE(scanner.isBusy());
  adder.whenIdle([this] { plays.append(Paths(playlist)); });
  ASSERT_TRUE(waitIdle());
  ASSERT_EQ(plays.size(), 2);
  EXPECT_EQ(plays[1].size(), 4);
}

TEST_F(MediaAdderTest, StartUpItems) {
  Touch(dir, {"start/s.mp3"});
  playlist.setCurrentEntry(0);
  adder.addStartFile(dir.path() + "start/01 - s.mp3");
  EXPECT_EQ(Names(playlist), QStringList({"s"}));  // a missing file is added all the same

  adder.addStartFile(QString());  // nothing configured
  EXPECT_EQ(playlist.count(), 1);

  // A relative argument is taken from the current folder.
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path() + "start"));
  playlist.setCurrentEntry(5);
  adder.addCommandLine(QStringLiteral("s.mp3"));
  QDir::setCurrent(before);
  EXPECT_EQ(playlist.entries().last(),
            (PlaylistEntry{"s", QFileInfo(dir.path() + "start/s.mp3").absoluteFilePath()}));
  EXPECT_EQ(playlist.currentEntry(), 1);

  adder.addCommandLine(QStringLiteral("http://radio.example/live"));
  EXPECT_EQ(playlist.entries().last().path, "http://radio.example/live");
}

TEST_F(MediaAdderTest, EveryAddStopsAtTheCap) {
  Touch(dir, {"t/1.mp3", "t/2.mp3", "t/3.mp3", "t/4.mp3"});
  playlist.appendBatch(QList<PlaylistEntry>(Playlist::kMaxEntries - 2, {"x", "/x"}));
  adder.addDropped({dir.path() + "t"});
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(playlist.count(), Playlist::kMaxEntries);
  EXPECT_EQ(playlist.entries().last().path, dir.path() + "t/2.mp3");

  adder.addDropped({dir.path() + "t/3.mp3", dir.path() + "t"});
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
  adder.addDropped({dir.path() + "many"});
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
  adder.addDropped({dir.path() + "c", dir.path() + "later.mp3"});
  adder.whenIdle([this] { plays.append(Paths(playlist)); });
  scanner.cancel();
  EXPECT_TRUE(scanner.isBusy());  // until the scan's thread has ended
  ASSERT_TRUE(waitIdle());
  EXPECT_EQ(finishedSignals, 1);
  EXPECT_TRUE(plays.isEmpty());
  EXPECT_FALSE(Paths(playlist).contains(dir.path() + "later.mp3"));

  // The scanner works again afterwards.
  adder.addDropped({dir.path() + "c"});
  ASSERT_TRUE(waitIdle());
  EXPECT_TRUE(Paths(playlist).contains(dir.path() + "c/b/c.mp3"));
}
