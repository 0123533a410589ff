#include <gtest/gtest.h>

#include "ui/DialogFilters.h"

using namespace kd;

TEST(DialogFilters, PairsBecomeQtFiltersWithLowerCaseTwinsNamedOnce) {
  const QStringList filters = QtNameFilters(
      "MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS|Pictures (*.jpg, *.GIF)|*.GIF;*.JPG|"
      "Songs (*.mp3)|*.MP3;*.WAV");
  ASSERT_EQ(filters.size(), 4);
  EXPECT_EQ(filters[0], "MP3 Playlists (*.M3U *.m3u)");
  EXPECT_EQ(filters[1], "Playlists (*.PLS *.pls)");
  EXPECT_EQ(filters[2], "Pictures (*.GIF *.gif *.JPG *.jpg)");
  // A description naming only some of its patterns keeps its text.
  EXPECT_EQ(filters[3], "Songs (*.mp3) (*.MP3 *.mp3 *.WAV *.wav)");
}

TEST(DialogFilters, SeveralPatternsAndOddOnesSurvive) {
  const QStringList filters =
      QtNameFilters("Music Modules|*.MOD;*FAR;*.669|All Files|*.*|dangling");
  ASSERT_EQ(filters.size(), 2);  // a description without patterns is dropped
  EXPECT_EQ(filters[0], "Music Modules (*.MOD *.mod *FAR *far *.669)");
  EXPECT_EQ(filters[1], "All Files (*.*)");
  EXPECT_TRUE(QtNameFilters("").isEmpty());
}
