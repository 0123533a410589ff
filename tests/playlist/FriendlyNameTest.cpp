#include <gtest/gtest.h>

#include "playlist/FriendlyName.h"

using namespace kd;

TEST(FriendlyName, ShapesTheFileNameOnlyWhenTheSettingIsOn) {
  const struct {
    const char* path;
    const char* on;
    const char* off;  // the name as written, blanks trimmed
  } cases[] = {
      // Extension, two-digit track number and separators go.
      {"/Music/01 - Some_Song.mp3", "Some Song", "01 - Some_Song.mp3"},
      {"/a/07-Track.mp3", "Track", "07-Track.mp3"},
      {"/a/07 -Track.mp3", "Track", "07 -Track.mp3"},
      {"/m/My.Band.Live.mp3", "My Band Live", "My.Band.Live.mp3"},
      // Track numbers that read as zero or do not fit the form stay.
      {"/a/00 - Intro.mp3", "00 - Intro", "00 - Intro.mp3"},
      {"/a/7-Seas.mp3", "7-Seas", "7-Seas.mp3"},
      {"/a/Side A-1.mp3", "Side A-1", "Side A-1.mp3"},
      // The extension is the last dot within the last five characters.
      {"x.mpeg", "x", "x.mpeg"},
      {"/m/longname", "longname", "longname"},
      {"/m/track.flacc", "track flacc", "track.flacc"},  // the dot is six from the end
      {"/m/x.y.z", "x.y", "x.y.z"},                      // a dot inside the last five stays
      {"/m/name.", "name", "name."},
      {"/m/.mp3", "", ".mp3"},
      // Only "/" separates folders; a folder's dot near the end leaves the name whole.
      {"C:\\Music\\a_b.mp3", "C:\\Music\\a b", "C:\\Music\\a_b.mp3"},
      {"/m/x.d/a_b", "a b", "a_b"},
      {"/m/a.b/", "", ""},
      // Blanks are trimmed, other text kept.
      {"/m/  _Intro_ .mp3", "Intro", "_Intro_ .mp3"},
      {"/m/  padded .mp3 ", "padded", "padded .mp3"},
      {"/m/中文_歌曲.mp3", "中文 歌曲", "中文_歌曲.mp3"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FriendlyName(QString::fromUtf8(c.path), true), QString::fromUtf8(c.on));
    EXPECT_EQ(FriendlyName(QString::fromUtf8(c.path), false), QString::fromUtf8(c.off));
  }
}
