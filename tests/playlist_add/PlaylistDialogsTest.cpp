#include <gtest/gtest.h>

#include <QFile>

#include "AddFixture.h"

using namespace kd;
using namespace kd::test;

class PlaylistDialogsTest : public AddFixture {};

TEST_F(PlaylistDialogsTest, LoadAppendsOrClearsFirstAndPlaysWhenSetAfterARunningScan) {
  dir.write("lists/Road_Trip.m3u", "a.mp3\r\n");
  settings.Path = QStringLiteral("/was/");
  playlist.append({"kept", "/kept.mp3"});

  listDialogs.loadPlaylist();  // cancelled: nothing changes
  ASSERT_EQ(dialogs.requests.size(), 1);
  const FileDialogRequest& request = dialogs.requests[0];
  EXPECT_EQ(request.title, "载入播放列表");
  EXPECT_EQ(request.filter, "MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.initialFolder, "/was/");
  EXPECT_EQ(playlist.count(), 1);
  EXPECT_EQ(storedPath(), "<missing>");

  dialogs.answer(dir.path() + "lists/Road_Trip.m3u", 2);
  listDialogs.loadPlaylist();
  EXPECT_EQ(dialogs.requests[1].filterIndex, 1);  // not remembered here
  EXPECT_EQ(Paths(playlist), QStringList({"/kept.mp3", dir.path() + "lists/a.mp3"}));
  EXPECT_EQ(playlist.title(), "Road Trip");
  EXPECT_EQ(storedPath(), dir.path() + "lists/");
  EXPECT_TRUE(plays.isEmpty());

  // With both settings on, during a scan: the scan ends, then clear, read, play.
  Touch(dir, {"tree/a.mp3", "tree/b/c.mp3"});
  dir.write("x.pls", "[playlist]\r\nFile2=two.mp3\r\nFile1=one.mp3\r\n");
  settings.ClearPLFirst = 1;
  settings.AutoPlay = 1;
  playlist.setCurrentEntry(3);
  adder.addDropped({dir.path() + "tree"});
  dialogs.answer(dir.path() + "x.pls");
  listDialogs.loadPlaylist();
  ASSERT_TRUE(waitIdle());
  const QStringList loaded = {dir.path() + "two.mp3", dir.path() + "one.mp3"};
  EXPECT_EQ(Paths(playlist), loaded);
  EXPECT_EQ(plays, QList<QStringList>({loaded}));
  EXPECT_EQ(playlist.currentEntry(), 1);
}

TEST_F(PlaylistDialogsTest, SaveNameRules) {
  playlist.append({"a", dir.path() + "a.mp3"});
  settings.Path = QStringLiteral("/was/");

  listDialogs.savePlaylist();  // cancelled
  ASSERT_EQ(dialogs.requests.size(), 1);
  const FileDialogRequest& request = dialogs.requests[0];
  EXPECT_EQ(request.title, "保存播放列表");
  EXPECT_EQ(request.filter, "MP3 Playlists (*.M3U)|*.M3U");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.initialFolder, "/was/");
  EXPECT_EQ(playlist.title(), "untitled");
  EXPECT_EQ(storedPath(), "<missing>");

  dialogs.answer(dir.path() + "Mix_Tape");
  dialogs.answer(dir.path() + "B.PLS");
  dialogs.answer(dir.path() + "c.M3U");
  listDialogs.savePlaylist();
  listDialogs.savePlaylist();
  listDialogs.savePlaylist();
  EXPECT_EQ(TempDir::read(dir.path() + "Mix_Tape.m3u"), "a.mp3\r\n");
  EXPECT_FALSE(QFile::exists(dir.path() + "Mix_Tape"));
  EXPECT_TRUE(TempDir::read(dir.path() + "B.PLS").startsWith("[playlist]\r\nFile1=a.mp3\r\n"));
  EXPECT_EQ(TempDir::read(dir.path() + "c.M3U"), "a.mp3\r\n");
  EXPECT_EQ(playlist.title(), "c");
  EXPECT_EQ(storedPath(), dir.path());
  EXPECT_TRUE(dialogs.questions.isEmpty());

  settings.FriendlyNames = 0;
  dialogs.answer(dir.path() + "d");
  listDialogs.savePlaylist();
  EXPECT_EQ(playlist.title(), "d.m3u");

  // A failed save (a path through a file) says so and keeps the title.
  dialogs.answer(dir.path() + "d.m3u/x.m3u");
  listDialogs.savePlaylist();
  EXPECT_EQ(dialogs.messages, QStringList({"不能编写播放列表，文件可能是只读的！"}));
  EXPECT_EQ(playlist.title(), "d.m3u");
}

TEST_F(PlaylistDialogsTest, CompletedNameIsReplacedOnlyWhenConfirmed) {
  playlist.append({"new", "/new.mp3"});
  const QString target = dir.write("keep.m3u", "old.mp3\r\n");

  dialogs.answer(dir.path() + "keep");
  dialogs.confirmAnswers << false;
  listDialogs.savePlaylist();
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].contains(target));
  EXPECT_EQ(TempDir::read(target), "old.mp3\r\n");
  EXPECT_EQ(playlist.title(), "untitled");

  dialogs.answer(dir.path() + "keep");
  dialogs.confirmAnswers << true;
  listDialogs.savePlaylist();
  EXPECT_EQ(TempDir::read(target), "/new.mp3\r\n");
  EXPECT_EQ(playlist.title(), "keep");

  // A name typed in full was the dialog's own question.
  dialogs.answer(target);
  listDialogs.savePlaylist();
  EXPECT_EQ(dialogs.questions.size(), 2);
}
