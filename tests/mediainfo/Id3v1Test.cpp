#include <gtest/gtest.h>

#include "MpegFixtures.h"
#include "mediainfo/Genres.h"
#include "mediainfo/Id3v1.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

TEST(Id3v1, FieldsAreSlicedByByteOffsetCutAtTheFirstNulAndDecoded) {
  // Full-width neighbours show a field that runs into the next one.
  const QString legacy(15, QChar(0x4E2D));  // two bytes a character in the legacy code page
  const QString utf8 = QString::fromUtf8("歌手");
  const QByteArray tag = id3v1Tag({.title = QByteArray(30, 'T'),
                                   .artist = utf8.toUtf8() + '\0' + "hidden",
                                   .album = EncodeLegacy(legacy),
                                   .year = "1999",
                                   .comment = QByteArray(29, 'C'),
                                   .track = char(0xC8),
                                   .genre = char(0xFF)});
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(tag, info));
  EXPECT_TRUE(info.present);
  EXPECT_EQ(info.Title, QString(30, 'T'));
  EXPECT_EQ(info.Artist, utf8);  // text after the NUL is not shown
  EXPECT_EQ(info.Album, legacy);
  EXPECT_EQ(info.Year, "1999");
  EXPECT_EQ(info.Comment, QString(29, 'C'));
  EXPECT_EQ(info.Track, 200);
  EXPECT_EQ(info.Genre, 255);
}

TEST(Id3v1, BlankPaddingIsKeptAsInTheFile) {
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(id3v1Tag({.title = "Song", .year = "99", .pad = ' '}), info));
  EXPECT_EQ(info.Title, QString("Song").leftJustified(30, ' '));
  EXPECT_EQ(info.Year, "99  ");
}

TEST(Id3v1, OnlyExactTagLettersInTheLast128BytesCount) {
  const QByteArray tag = id3v1Tag({.title = "Song"});
  ID3Info info;
  info.Title = "left over";
  EXPECT_FALSE(ParseId3v1("tag" + tag.mid(3), info));
  EXPECT_FALSE(info.present);
  EXPECT_EQ(info.Title, "");  // reset even when nothing is found
  EXPECT_EQ(info.Track, ' ');
  EXPECT_EQ(info.Genre, 80);
  // A tag one byte away from the end is not at its place.
  EXPECT_FALSE(ParseId3v1(tag + '\0', info));
  EXPECT_FALSE(ParseId3v1(tag.left(127), info));
  // Audio bytes before the tag do not matter.
  EXPECT_TRUE(ParseId3v1(QByteArray(500, 'x') + tag, info));
  EXPECT_EQ(info.Title, "Song");
}

TEST(Genres, ListHasUnknownFirstAndTheOwnSpellings) {
  const QStringList& names = GenreNames();
  ASSERT_EQ(names.size(), 81);
  EXPECT_EQ(names[0], "Unknown");
  EXPECT_EQ(names[1], "Blues");
  EXPECT_EQ(names[GenreItem(33)], "Intrumental");
  EXPECT_EQ(names[GenreItem(40)], "Alternate Rock");
  EXPECT_EQ(names[GenreItem(46)], "Intrumental Pop");
  EXPECT_EQ(names[GenreItem(47)], "Intrumental Rock");
  EXPECT_EQ(names[GenreItem(79)], "Hard Rock");
  QStringList unique = names;
  EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(Genres, BytesOutsideTheListShowUnknownAndUnknownIsStoredAs254) {
  for (int byte : {80, 254, 255}) EXPECT_EQ(GenreItem(byte), 0) << byte;  // 80: the reset value
  for (int item : {0, -1, 81}) EXPECT_EQ(GenreByte(item), 254) << item;
  for (int genre = 0; genre < kGenreCount; ++genre) EXPECT_EQ(GenreByte(GenreItem(genre)), genre);
}

}  // namespace
