// MPEG items: header labels, the stereo light, the tag title and the tag
// cover, read from real small files.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

QByteArray Field(const QByteArray& text, int width) {
  QByteArray field = text.left(width);
  field.append(QByteArray(width - field.size(), ' '));
  return field;
}

QByteArray Tag(const QByteArray& title, const QByteArray& artist, const QByteArray& album) {
  QByteArray tag = "TAG";
  tag += Field(title, 30) + Field(artist, 30) + Field(album, 30) + Field("2001", 4);
  tag += Field("", 30);
  tag += char(12);  // genre
  return tag;
}

// Three MPEG-1 layer III frames (128 kbit/s, 44.1 kHz; 417 bytes each) of
// silence, then the 128-byte tag.
QByteArray Mp3(bool stereo, const QByteArray& tag) {
  QByteArray bytes;
  for (int i = 0; i < 3; ++i) {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(stereo ? 0x44 : 0xC4);
    bytes += frame;
  }
  return bytes + tag;
}

TEST_F(PlayerTest, AnMpegTagTitleReplacesTheEntryName) {
  const QString path = addFile("song.MP3", "song", Mp3(true, Tag("Song", "Artist", "Album")));
  play(1);
  EXPECT_EQ(playlist.entry(0).name, "Song");
  EXPECT_EQ(playlist.entry(0).path, path);
  EXPECT_EQ(view.LabelText(kLabelTitle), "Song");
  EXPECT_EQ(view.LabelText(kLabelBitrate), "128");
  EXPECT_EQ(view.LabelText(kLabelSampleRate), "44");
  EXPECT_EQ(view.LabelText(kLabelChannels), "jstereo");
  EXPECT_TRUE(state.flags.Stereo);
  EXPECT_EQ(view.lastLights(), "lights 1 2 4");
  // Labels 10-12 are emptied before the header fills them.
  const int emptied = view.log.indexOf("L10=");
  EXPECT_GE(emptied, 0);
  EXPECT_LT(emptied, view.log.indexOf("L10=128"));
  EXPECT_TRUE(covers.calls.isEmpty());  // UseTagCover is off
}

TEST_F(PlayerTest, AMonoFileWithoutTitleKeepsItsName) {
  addFile("mono.mpa", "mono", Mp3(false, Tag("   ", "Artist", "Album")));
  play(1);
  EXPECT_EQ(playlist.entry(0).name, "mono");
  EXPECT_EQ(view.LabelText(kLabelChannels), "mono");
  EXPECT_FALSE(state.flags.Stereo);
  EXPECT_EQ(view.lastLights(), "lights 2 4");
}

TEST_F(PlayerTest, OnlyMpegFilesTakeATitleFromATag) {
  addFile("stereo.mp3", "stereo", Mp3(true, Tag("Song", "", "")));
  addFile("tagged.wav", "tagged", QByteArray(300, 'x') + Tag("Not Me", "", ""));
  play(1);
  play(2);
  EXPECT_EQ(playlist.entry(1).name, "tagged");
  EXPECT_EQ(view.LabelText(kLabelTitle), "tagged");
  EXPECT_FALSE(state.flags.Stereo);  // the light follows the playing item
}

TEST_F(PlayerTest, TheTagCoverIsLookedForWhenAsked) {
  settings.UseTagCover = 1;
  addFile("music/song.mp3", "song", Mp3(true, Tag("Song", "Artist", "Album")));
  addFile("music/other.wav", "other");
  play(1);
  play(2);
  ASSERT_EQ(covers.calls.size(), 1);
  EXPECT_TRUE(covers.calls[0].startsWith("tag " + dir.path() + "music/|Artist"));
  EXPECT_TRUE(covers.calls[0].contains("|Album"));
}

}  // namespace
}  // namespace kd::test
