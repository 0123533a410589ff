// Saving the tag into files on disk: only the tag's own 128 bytes change or
// are appended, whatever stands at the end of the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "MpegFixtures.h"
#include "mediainfo/Id3v1.h"
#include "mediainfo/Id3v1File.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

QByteArray tagWithTitle(const QString& title, uint8_t track = 1) {
  ID3Info info;
  info.Title = title;
  info.Track = track;
  info.Genre = 17;
  return BuildId3v1(info);
}

TEST(Id3v1Build, FieldsAreEncodedCutOnACharacterBoundaryAndBlankPadded) {
  ID3Info info;
  info.Title = QString(16, QChar(0x4E2D));         // 32 bytes in GB18030: 15 fit
  info.Artist = "a" + QString(15, QChar(0x6587));  // 31 bytes: 'a' and 14 fit, one blank
  info.Album = QString::fromUtf8("😀😀😀😀😀😀😀😀");      // 4 bytes each: 7 fit, two blanks
  info.Year = "20245";
  info.Comment = "Note";
  info.Track = 7;
  info.Genre = 254;
  const QByteArray tag = BuildId3v1(info);
  ASSERT_EQ(tag.size(), 128);
  EXPECT_TRUE(tag.startsWith("TAG"));
  EXPECT_EQ(tag.mid(3, 30), EncodeLegacy(QString(15, QChar(0x4E2D))));
  EXPECT_EQ(tag.mid(33, 30), "a" + EncodeLegacy(QString(14, QChar(0x6587))) + " ");
  EXPECT_EQ(tag.mid(63, 30).right(2), "  ");
  EXPECT_EQ(tag.mid(93, 4), "2024");
  EXPECT_EQ(tag.mid(97, 29), QByteArray("Note").leftJustified(29, ' '));
  EXPECT_FALSE(tag.contains('\0'));
  EXPECT_EQ(tag[126], 7);
  EXPECT_EQ(uint8_t(tag[127]), 254);

  ID3Info back;
  ASSERT_TRUE(ParseId3v1(tag, back));
  EXPECT_EQ(back.Title, QString(15, QChar(0x4E2D)));
  EXPECT_EQ(back.Album.trimmed(), QString::fromUtf8("😀😀😀😀😀😀😀"));
  EXPECT_EQ(back.Track, 7);
}

class Id3v1FileTest : public ::testing::Test {
 protected:
  TempDir dir;
};

TEST_F(Id3v1FileTest, AFileWithoutATagGetsOneAppendedOnceThenUpdatedInPlace) {
  const QByteArray audio = noise(4000);
  const QString path = dir.write("song.mp3", audio);

  EXPECT_EQ(SaveId3v1File(path, tagWithTitle("First")), TagSaveResult::Added);
  EXPECT_EQ(TempDir::read(path), audio + tagWithTitle("First"));
  EXPECT_EQ(SaveId3v1File(path, tagWithTitle("Second")), TagSaveResult::Updated);
  EXPECT_EQ(TempDir::read(path), audio + tagWithTitle("Second"));
}

TEST_F(Id3v1FileTest, TagLettersAnywhereButAtTheTagsPlaceAreAudioAndStayUntouched) {
  // "tag" and "TAG" in the last 256 bytes, one of them a byte before the
  // tag's place, and a lower-case "tag" right at it.
  for (const QByteArray& end : {QByteArray("TAG") + noise(200), QByteArray("TAG") + noise(128),
                                QByteArray("tag") + noise(125), noise(100) + "xTAG" + noise(124)}) {
    const QByteArray audio = noise(1000) + end;
    const QString path = dir.write("song.mp3", audio);
    EXPECT_EQ(SaveId3v1File(path, tagWithTitle("New")), TagSaveResult::Added);
    EXPECT_EQ(TempDir::read(path), audio + tagWithTitle("New"));
  }
}

TEST_F(Id3v1FileTest, AnOldTagPaddedWithNulsIsReplacedByABlankPaddedOne) {
  const QByteArray audio = noise(1000);
  const QString path =
      dir.write("song.mp3", audio + id3v1Tag({.title = "Old", .artist = "Someone", .track = 3}));
  ASSERT_EQ(ReadId3v1File(path)->Title, "Old");  // cut at the NUL padding

  EXPECT_EQ(SaveId3v1File(path, tagWithTitle("New")), TagSaveResult::Updated);
  const QByteArray bytes = TempDir::read(path);
  EXPECT_EQ(bytes.size(), audio.size() + 128);
  EXPECT_EQ(bytes.left(audio.size()), audio);
  EXPECT_EQ(bytes.mid(audio.size() + 3, 30), QByteArray("New").leftJustified(30, ' '));
  EXPECT_EQ(ReadId3v1File(path)->Artist.trimmed(), "");
}

TEST_F(Id3v1FileTest, FilesShorterThan256BytesAreLeftAlone) {
  const QString shortFile = dir.write("255.mp3", noise(255));
  EXPECT_EQ(SaveId3v1File(shortFile, tagWithTitle("T")), TagSaveResult::TooShort);
  EXPECT_EQ(TempDir::read(shortFile), noise(255));
  EXPECT_FALSE(ReadId3v1File(shortFile).has_value());

  for (int size : {256, 257}) {
    const QString path = dir.write(QString::number(size) + ".mp3", noise(size));
    EXPECT_EQ(SaveId3v1File(path, tagWithTitle("T")), TagSaveResult::Added) << size;
    EXPECT_EQ(TempDir::read(path), noise(size) + tagWithTitle("T")) << size;
  }
  // 128 bytes of tag and 128 more: a file of 256 bytes holding a tag.
  const QString tagged = dir.write("tagged.mp3", noise(128) + tagWithTitle("Old"));
  EXPECT_EQ(SaveId3v1File(tagged, tagWithTitle("T")), TagSaveResult::Updated);
  EXPECT_EQ(QFileInfo(tagged).size(), 256);
}

TEST_F(Id3v1FileTest, WhatIsNoWritableRegularFileFailsAndNothingIsCreated) {
  // A read-only file is refused even when the superuser runs the tests.
  const QString readOnly = dir.write("locked.mp3", noise(1000));
  ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
  EXPECT_EQ(SaveId3v1File(readOnly, tagWithTitle("T")), TagSaveResult::Failed);
  EXPECT_EQ(TempDir::read(readOnly), noise(1000));

  // The window showed a file that was removed before Save.
  const QString gone = dir.write("gone.mp3", noise(1000));
  ASSERT_TRUE(ReadId3v1File(gone).has_value());
  ASSERT_TRUE(QFile::remove(gone));
  EXPECT_EQ(SaveId3v1File(gone, tagWithTitle("T")), TagSaveResult::Failed);
  EXPECT_FALSE(QFileInfo::exists(gone));

  const QString folder = dir.mkdir("folder.mp3");
  EXPECT_EQ(SaveId3v1File(folder, tagWithTitle("T")), TagSaveResult::Failed);
  const QString pipe = dir.path() + "pipe.mp3";
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
  EXPECT_EQ(SaveId3v1File(pipe, tagWithTitle("T")), TagSaveResult::Failed);  // does not hang

  // A record of any other length is never written.
  const QString song = dir.write("song.mp3", noise(1000));
  EXPECT_EQ(SaveId3v1File(song, tagWithTitle("T").left(127)), TagSaveResult::Failed);
  EXPECT_EQ(TempDir::read(song), noise(1000));
}

}  // namespace
