#include <gtest/gtest.h>

#include "MpegFixtures.h"
#include "mediainfo/Genres.h"
#include "mediainfo/Id3v1.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

TEST(Id3v1, FieldsAreSlicedByByteOffsetAndCutAtTheFirstNul) {
  TagFields f;
  f.title = "Song";
  f.artist = "Band";
  f.album = "Record";
  f.year = "1999";
  f.comment = QByteArray("note\0hidden", 11);  // text after the NUL is not shown
  f.track = 7;
  f.genre = 17;
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(id3v1Tag(f), info));
  EXPECT_TRUE(info.present);
  EXPECT_EQ(info.Title, "Song");
  EXPECT_EQ(info.Artist, "Band");
  EXPECT_EQ(info.Album, "Record");
  EXPECT_EQ(info.Year, "1999");
  EXPECT_EQ(info.Comment, "note");
  EXPECT_EQ(info.Track, 7);
  EXPECT_EQ(info.Genre, 17);
}

TEST(Id3v1, FullWidthFieldsDoNotRunIntoEachOther) {
  TagFields f;
  f.title = QByteArray(30, 'T');
  f.artist = QByteArray(30, 'A');
  f.album = QByteArray(30, 'L');
  f.year = "2024";
  f.comment = QByteArray(29, 'C');
  f.track = char(0xC8);
  f.genre = char(0xFF);
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(id3v1Tag(f), info));
  EXPECT_EQ(info.Title, QString(30, 'T'));
  EXPECT_EQ(info.Artist, QString(30, 'A'));
  EXPECT_EQ(info.Album, QString(30, 'L'));
  EXPECT_EQ(info.Comment, QString(29, 'C'));
  EXPECT_EQ(info.Track, 200);
  EXPECT_EQ(info.Genre, 255);
}

TEST(Id3v1, BlankPaddingIsKeptAsInTheFile) {
  TagFields f;
  f.title = "Song";
  f.year = "99";
  f.pad = ' ';
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(id3v1Tag(f), info));
  EXPECT_EQ(info.Title, QString("Song").leftJustified(30, ' '));
  EXPECT_EQ(info.Year, "99  ");
}

TEST(Id3v1, LegacyAndUtf8TextAreBothDecoded) {
  const QString title = QString::fromUtf8("中文歌曲");
  const QString artist = QString::fromUtf8("歌手");
  TagFields f;
  f.title = EncodeLegacy(title);  // two bytes a character
  f.artist = artist.toUtf8();
  f.album = EncodeLegacy(QString(15, QChar(0x4E2D)));  // fills all 30 bytes
  ID3Info info;
  ASSERT_TRUE(ParseId3v1(id3v1Tag(f), info));
  EXPECT_EQ(info.Title, title);
  EXPECT_EQ(info.Artist, artist);
  EXPECT_EQ(info.Album, QString(15, QChar(0x4E2D)));
}

TEST(Id3v1, OnlyExactTagLettersInTheLast128BytesCount) {
  TagFields f;
  f.title = "Song";
  const QByteArray tag = id3v1Tag(f);
  ID3Info info;
  info.Title = "left over";

  QByteArray lower = tag;
  lower.replace(0, 3, "tag");
  EXPECT_FALSE(ParseId3v1(lower, info));
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
  EXPECT_EQ(GenreItem(80), 0);  // the reset value
  EXPECT_EQ(GenreItem(254), 0);
  EXPECT_EQ(GenreItem(255), 0);
  EXPECT_EQ(GenreByte(0), 254);
  EXPECT_EQ(GenreByte(-1), 254);
  EXPECT_EQ(GenreByte(81), 254);
  for (int genre = 0; genre < kGenreCount; ++genre) EXPECT_EQ(GenreByte(GenreItem(genre)), genre);
}

}  // namespace
