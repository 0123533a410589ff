#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include "support/TempDir.h"
#include "support/Waiting.h"
#include "util/AppPaths.h"
#include "util/Paths.h"

using namespace kd;

TEST(Paths, SplitsPathsAtTheLastSeparatorAndDot) {
  EXPECT_EQ(WithTrailingSeparator(""), "");
  EXPECT_EQ(WithTrailingSeparator("/music"), "/music/");
  EXPECT_EQ(WithTrailingSeparator("/music/"), "/music/");

  EXPECT_EQ(GetFileName("/a/b/song.mp3"), "song.mp3");
  EXPECT_EQ(GetFileName("song.mp3"), "song.mp3");
  EXPECT_EQ(GetFileName("/a/b/"), "");

  EXPECT_EQ(GetExtension("/a/song.mp3"), "mp3");
  EXPECT_EQ(GetExtension("/dir.x/file"), "x/file");  // the dot lies in a folder name
  EXPECT_EQ(GetExtension("MP3"), "MP3");             // no dot: the name is its own extension
  EXPECT_EQ(GetExtension("name."), "");

  EXPECT_EQ(StripExtension("/a/b.c.mp3"), "/a/b.c");
  EXPECT_EQ(StripExtension("noext"), "noext");

  EXPECT_EQ(GetDirPart("/a/b/song.mp3"), "/a/b/");
  EXPECT_EQ(GetDirPart("song.mp3"), "");
}

TEST(Paths, IsPictureLooksOnlyAtTheLastFourCharacters) {
  EXPECT_TRUE(IsPicture("/a/x.jpg"));
  EXPECT_TRUE(IsPicture("X.BMP"));
  EXPECT_TRUE(IsPicture("x.Gif"));
  EXPECT_FALSE(IsPicture("x.jpeg"));
  EXPECT_FALSE(IsPicture("x.png"));
  EXPECT_FALSE(IsPicture("jpg"));
}

TEST(Paths, FileExistsOnlyForRegularFiles) {
  test::TempDir dir;
  const QString file = dir.write("a.mp3", "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir.path()));  // a folder is no file
  EXPECT_FALSE(FileExists(dir.path() + "missing.mp3"));
  EXPECT_FALSE(FileExists(""));
}

TEST(Paths, FindPicturePrefersJpegAndIgnoresCase) {
  test::TempDir dir;
  dir.write("Album.bmp", "b");
  EXPECT_EQ(FindPicture(dir.path() + "album"), dir.path() + "Album.bmp");

  dir.write("album.JPG", "j");
  dir.write("ALBUM.gif", "g");
  EXPECT_EQ(FindPicture(dir.path() + "Album  "), dir.path() + "album.JPG");

  EXPECT_EQ(FindPicture(dir.path() + "other"), "");
  EXPECT_EQ(FindPicture("   "), "");
}

TEST(Paths, FindFileIgnoringCasePrefersTheExactName) {
  test::TempDir dir;
  dir.write("Main.BMP", "1");
  dir.write("main.bmp", "2");
  EXPECT_EQ(FindFileIgnoringCase(dir.path() + "main.bmp"), dir.path() + "main.bmp");
  EXPECT_FALSE(FindFileIgnoringCase(dir.path() + "MAIN.bmp").isEmpty());
  EXPECT_EQ(FindFileIgnoringCase(dir.path() + "none.bmp"), "");
}

TEST(AppPaths, WithoutHomeTheFilesGoToTheUsersHomeNotTheRootFolder) {
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  const QString home = QString::fromLocal8Bit(user->pw_dir);
  test::ScopedEnv config("XDG_CONFIG_HOME", "");
  test::ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
  test::ScopedEnv noHome("HOME", "");
  qunsetenv("HOME");
  EXPECT_EQ(SettingsFilePath(), home + "/.config/kavorodeck/kavorodeck.ini");
  EXPECT_EQ(DataFolder(), home + "/.local/share/kavorodeck/");
}
