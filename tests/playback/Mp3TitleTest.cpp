// MPEG items: the header facts (their texts are the header reader's own
// tests), the stereo light, the tag title and the tag cover, read from real
// small files.

#include "PlayerFixture.h"
#include "SilentMp3.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, AnMpegTagTitleReplacesTheEntryName) {
  const QString path = addFile("song.MP3", "song", SilentMp3(3, true, "Song", "Artist", "Album"));
  play(1);
  EXPECT_EQ(playlist.entry(0).name, "Song");
  EXPECT_EQ(playlist.entry(0).path, path);
  EXPECT_EQ(view.label(kLabelTitle), "Song");
  EXPECT_EQ(view.label(kLabelChannels), "jstereo");
  EXPECT_EQ(view.lightsShown(), "1 2 4");
  EXPECT_EQ(view.label(kLabelBitrate), "128");
  EXPECT_EQ(view.displays.value(kDisplayBitrate), 128.0);
  EXPECT_EQ(model.mpegFacts()->tag.Artist.trimmed(), "Artist");
  EXPECT_TRUE(covers.calls.isEmpty());  // UseTagCover is off
}

TEST_F(PlayerTest, OnlyMpegFilesWithATitleTakeItAndTheStereoLightFollows) {
  addFile("stereo.mp3", "stereo", SilentMp3(3, true, "Song"));
  addFile("mono.mpa", "mono", SilentMp3(3, false, "   ", "Artist", "Album"));
  addFile("tagged.wav", "tagged", QByteArray(300, 'x') + SilentMp3(0, true, "Not Me"));
  play(1);
  play(2);
  EXPECT_EQ(playlist.entry(1).name, "mono");
  EXPECT_EQ(view.label(kLabelChannels), "mono");
  EXPECT_EQ(view.lightsShown(), "2 4");
  play(1);
  play(3);
  EXPECT_EQ(playlist.entry(2).name, "tagged");
  EXPECT_EQ(view.label(kLabelTitle), "tagged");
  EXPECT_EQ(view.lightsShown(), "2 4");       // the light follows the playing item
  EXPECT_EQ(view.label(kLabelChannels), "");  // and no header of the MP3 before stays
  EXPECT_FALSE(model.mpegFacts().has_value());
}

TEST_F(PlayerTest, TheTagCoverIsLookedForWhenAsked) {
  settings.UseTagCover = 1;
  addFile("music/song.mp3", "song", SilentMp3(3, true, "Song", "Artist", "Album"));
  addFile("music/other.wav", "other");
  play(1);
  play(2);
  ASSERT_EQ(covers.calls.size(), 1);
  EXPECT_TRUE(covers.calls[0].startsWith("tag " + dir.path() + "music/|Artist"));
  EXPECT_TRUE(covers.calls[0].contains("|Album"));
}

}  // namespace
}  // namespace kd::test
