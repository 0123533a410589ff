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
  EXPECT_EQ(view.lightsShown(), "2 4 19");  // 19: mono
  play(1);
  play(3);
  EXPECT_EQ(playlist.entry(2).name, "tagged");
  EXPECT_EQ(view.label(kLabelTitle), "tagged");
  EXPECT_EQ(view.lightsShown(), "2 4");       // the light follows the playing item
  EXPECT_EQ(view.label(kLabelChannels), "");  // and no header of the MP3 before stays
  EXPECT_FALSE(model.mpegFacts().has_value());
}

// The mono lamp lights for a mono MPEG item only while it is loaded; an
// item whose channels no header tells lights neither lamp.
TEST_F(PlayerTest, TheMonoLightFollowsAMonoItem) {
  addFile("mono.mp3", "mono", SilentMp3(3, false, "Mono"));
  addFile("stereo.mp3", "stereo", SilentMp3(3, true, "Stereo"));
  addFile("other.wav", "other");
  play(1);
  EXPECT_EQ(view.lightsShown(), "2 4 19");
  transport.togglePause();
  EXPECT_EQ(view.lightsShown(), "2 3 4 19");
  transport.stop();
  EXPECT_EQ(view.lightsShown(), "");
  play(2);
  EXPECT_EQ(view.lightsShown(), "1 2 4");
  play(3);
  EXPECT_EQ(view.lightsShown(), "2 4");
}

TEST_F(PlayerTest, TheTagCoverIsLookedForWhenAsked) {
  settings.UseTagCover = 1;
  addFile("music/song.mp3", "song", SilentMp3(3, true, "Song", "Artist", "Album"));
  const QString flac = addFile("music/other.flac", "other");
  engine.script(flac, {.tags = {"T", "Band", "Record", "PICTURE"}});
  addFile("music/cover.jpg", "a picture");
  play(1);
  play(2);
  play(3);
  ASSERT_EQ(covers.calls.size(), 4);
  EXPECT_TRUE(covers.calls[0].startsWith("tag " + dir.path() + "music/|Artist"));
  EXPECT_TRUE(covers.calls[0].contains("|Album"));
  // Any item the engine plays looks for its cover, by the engine's tags.
  EXPECT_EQ(covers.calls[1], "tag " + dir.path() + "music/|Band|Record");
  EXPECT_EQ(covers.calls[2], "embedded PICTURE");
  EXPECT_EQ(covers.calls[3], "cover " + dir.path() + "music/cover.jpg");
}

TEST_F(PlayerTest, TheEngineTagsNameAnItemThatHasNoId3v1Title) {
  const QString flac = addFile("a.flac", "a");
  engine.script(flac, {.tags = {"夜空中最亮的星", "Band", "Record", {}}});
  const QString v2only = addFile("b.mp3", "b", SilentMp3(3, true, "").left(417 * 3));
  engine.script(v2only, {.tags = {"From ID3v2", "V2 Artist", {}, {}}});
  const QString both = addFile("c.mp3", "c", SilentMp3(3, true, "Own Title", "Own Artist"));
  engine.script(both, {.tags = {"Engine Title", "Engine Artist", "Engine Album", {}}});
  addFile("d.ogg", "d");

  play(1);
  EXPECT_EQ(playlist.entry(0).name, "夜空中最亮的星");
  EXPECT_EQ(view.label(kLabelTitle), "夜空中最亮的星");
  EXPECT_EQ(model.item().name, "夜空中最亮的星");
  EXPECT_EQ(model.tags(), (TrackTags{"夜空中最亮的星", "Band", "Record"}));

  play(2);
  EXPECT_EQ(playlist.entry(1).name, "From ID3v2");

  // The ID3v1 tag comes first, field by field; the engine fills the blanks.
  play(3);
  EXPECT_EQ(playlist.entry(2).name, "Own Title");
  EXPECT_EQ(model.tags(), (TrackTags{"Own Title", "Own Artist", "Engine Album"}));

  // Nothing found: the name stays and no tag of the item before lingers.
  play(4);
  EXPECT_EQ(playlist.entry(3).name, "d");
  EXPECT_EQ(model.tags(), TrackTags());
}

}  // namespace
}  // namespace kd::test
