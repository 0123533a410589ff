#include <gtest/gtest.h>

#include "playlist/FriendlyName.h"

using namespace kd;

namespace {
QString On(const QString& path) {
  return FriendlyName(path, true);
}
QString Off(const QString& path) {
  return FriendlyName(path, false);
}
}  // namespace

TEST(FriendlyName, DropsExtensionTrackNumberAndSeparators) {
  EXPECT_EQ(On("/Music/01 - Some_Song.mp3"), "Some Song");
  EXPECT_EQ(On("/a/My.Band.Live.mp3"), "My Band Live");
  EXPECT_EQ(On("/a/07-Track.mp3"), "Track");
  EXPECT_EQ(On("/a/07 -Track.mp3"), "Track");
  EXPECT_EQ(On("song.mp3"), "song");
}

TEST(FriendlyName, KeepsTrackNumbersThatReadAsZeroOrDoNotFitTheForm) {
  EXPECT_EQ(On("/a/00 - Intro.mp3"), "00 - Intro");
  EXPECT_EQ(On("/a/7-Seas.mp3"), "7-Seas");
  EXPECT_EQ(On("/a/Side A-1.mp3"), "Side A-1");
}

TEST(FriendlyName, TheExtensionIsTheLastDotWithinTheLastFiveCharacters) {
  EXPECT_EQ(On("x.mpeg"), "x");
  EXPECT_EQ(On("a.b.c.d.mp3"), "a b c d");
  EXPECT_EQ(On("/m/longname"), "longname");
  EXPECT_EQ(On("/m/track.flacc"), "track flacc");  // the dot is six from the end
  EXPECT_EQ(On("/m/x.y.z"), "x.y");                // a dot inside the last five stays a dot
  EXPECT_EQ(On("/m/name."), "name");
  EXPECT_EQ(On("/m/.mp3"), "");
}

TEST(FriendlyName, BackslashIsAnOrdinaryCharacter) {
  EXPECT_EQ(On("C:\\Music\\a_b.mp3"), "C:\\Music\\a b");
  EXPECT_EQ(Off("C:\\Music\\a_b.mp3"), "C:\\Music\\a_b.mp3");
}

TEST(FriendlyName, AFolderDotNearTheEndLeavesTheFileNameWhole) {
  EXPECT_EQ(On("/m/x.d/ab"), "ab");
  EXPECT_EQ(On("/m/x.d/a_b"), "a b");
  EXPECT_EQ(On("/m/a.b/"), "");
}

TEST(FriendlyName, SettingOffKeepsTheNameAsWritten) {
  EXPECT_EQ(Off("/Music/01 - Some_Song.mp3"), "01 - Some_Song.mp3");
  EXPECT_EQ(Off("/m/My.Band.Live.mp3"), "My.Band.Live.mp3");
  EXPECT_EQ(Off("/m/  padded .mp3 "), "padded .mp3");
  EXPECT_EQ(Off(""), "");
}

TEST(FriendlyName, TrimsBlanksAndKeepsOtherText) {
  EXPECT_EQ(On("/m/  _Intro_ .mp3"), "Intro");
  EXPECT_EQ(On("/m/中文_歌曲.mp3"), "中文 歌曲");
  EXPECT_EQ(On(""), "");
  EXPECT_EQ(On("/"), "");
}
