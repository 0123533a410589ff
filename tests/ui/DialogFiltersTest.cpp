#include <gtest/gtest.h>

#include "ui/DialogFilters.h"

using namespace kd;

TEST(DialogFilters, PairsBecomeQtFiltersWithLowerCaseTwins) {
  const QStringList filters = QtNameFilters("MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS");
  ASSERT_EQ(filters.size(), 2);
  EXPECT_EQ(filters[0], "MP3 Playlists (*.M3U) (*.M3U *.m3u)");
  EXPECT_EQ(filters[1], "Playlists (*.PLS) (*.PLS *.pls)");
}

TEST(DialogFilters, SeveralPatternsAndOddOnesSurvive) {
  const QStringList filters =
      QtNameFilters("Music Modules|*.MOD;*FAR;*.669|All Files|*.*|dangling");
  ASSERT_EQ(filters.size(), 2);  // a description without patterns is dropped
  EXPECT_EQ(filters[0], "Music Modules (*.MOD *.mod *FAR *far *.669)");
  EXPECT_EQ(filters[1], "All Files (*.*)");
  EXPECT_TRUE(QtNameFilters("").isEmpty());
}
