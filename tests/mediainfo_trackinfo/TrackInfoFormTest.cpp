// The track window's logic: what the fields show for a tag, following the
// player while not editing, and saving what was typed.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "FakeTrackFile.h"
#include "core/Settings.h"
#include "mediainfo/Id3v1.h"
#include "mediainfo/TrackInfoForm.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

QByteArray tagged(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
                  uint8_t track, uint8_t genre) {
  ID3Info info;
  info.Title = title;
  info.Artist = artist;
  info.Album = album;
  info.Year = "1999";
  info.Comment = "  spaced  ";
  info.Track = track;
  info.Genre = genre;
  return QByteArray(1000, 'Z') + BuildId3v1(info);
}

// Empty fields for the file `fileName`.
TrackInfoTexts emptyTexts(const QString& fileName) {
  TrackInfoTexts texts;
  texts.fileName = fileName;
  return texts;
}

TEST(TrackInfoTexts, TagFieldsShowTrimmedWithTheTrackInTwoDigits) {
  ID3Info tag;
  tag.present = true;
  tag.Title = "  Song  ";
  tag.Comment = "  spaced  ";
  tag.Track = 7;
  tag.Genre = 17;
  TrackInfoTexts texts = TrackInfoTextsOf("/m/a.mp3", tag);
  EXPECT_EQ(texts.fileName, "/m/a.mp3");
  EXPECT_EQ(texts.title, "Song");
  EXPECT_EQ(texts.comment, "spaced");
  EXPECT_EQ(texts.track, "07");
  EXPECT_EQ(texts.genreItem, 18);  // "Rock"
  tag.Track = 0;
  tag.Genre = 254;
  texts = TrackInfoTextsOf("/m/a.mp3", tag);
  EXPECT_EQ(texts.track, "00");
  EXPECT_EQ(texts.genreItem, 0);
  tag.Track = 200;
  EXPECT_EQ(TrackInfoTextsOf("/m/a.mp3", tag).track, "200");

  // No tag: empty fields, no track number (not the blank's code 32), "Unknown".
  const TrackInfoTexts empty = TrackInfoTextsOf("/m/b.mp3", ID3Info());
  EXPECT_EQ(empty, emptyTexts("/m/b.mp3"));
  EXPECT_EQ(TrackInfoTextsOf("/m/c.mp3", std::nullopt), emptyTexts("/m/c.mp3"));
}

TEST(TrackInfoTexts, TrackTextsAreWholeNumbersFrom0To255) {
  EXPECT_EQ(TrackNumberOfText(u""), 0);
  EXPECT_EQ(TrackNumberOfText(u"7"), 7);
  EXPECT_EQ(TrackNumberOfText(u"07"), 7);
  EXPECT_EQ(TrackNumberOfText(u" 12 "), 12);
  EXPECT_EQ(TrackNumberOfText(u"255"), 255);
  for (const char16_t* bad : {u"256", u"-1", u"7a", u"+7", u"1.5", u"x", u"0000000000300"}) {
    EXPECT_FALSE(TrackNumberOfText(bad).has_value()) << QString::fromUtf16(bad).toStdString();
  }
}

class TrackInfoFormTest : public ::testing::Test {
 protected:
  TrackInfoTexts typed(const QString& title, const QString& track = "1", int genreItem = 1) const {
    TrackInfoTexts texts = form.shown();
    texts.title = title;
    texts.track = track;
    texts.genreItem = genreItem;
    return texts;
  }

  TempDir dir;
  FakeTrackFile player;
  RecordingSink messages;
  Settings settings;
  TrackInfoForm form{player, messages, settings};
};

TEST_F(TrackInfoFormTest, FollowsTheCurrentTrackUnlessEditing) {
  const QString first = dir.write("one.mp3", tagged("One", "A", "", 1, 0));
  const QString second = dir.write("two.mp3", tagged("Two", "B", "", 2, 0));
  const QString third = dir.write("three.wav", QByteArray(300, 'R'));
  player.current = first;
  form.open();
  EXPECT_TRUE(form.isFollowing());
  EXPECT_EQ(form.shown().title, "One");
  EXPECT_EQ(form.shown().track, "01");

  player.current = second;
  form.refresh();
  EXPECT_EQ(form.shown().fileName, second);
  EXPECT_EQ(form.shown().title, "Two");

  form.setEditing(true);
  player.current = third;
  form.refresh();
  EXPECT_EQ(form.shown().fileName, second);  // stays on its file
  form.showCurrent();                        // "当前"
  EXPECT_EQ(form.shown(), emptyTexts(third));

  form.close();
  EXPECT_FALSE(form.isFollowing());
  EXPECT_FALSE(form.isEditing());
  // A new opening follows again, not editing.
  player.current = first;
  form.open();
  EXPECT_FALSE(form.isEditing());
  EXPECT_EQ(form.shown().title, "One");
}

TEST_F(TrackInfoFormTest, SaveWritesTheTypedFieldsToTheFileShown) {
  const QByteArray audio(1000, 'Z');
  const QString song = dir.write("song.mp3", audio);
  player.current = song;
  form.open();
  form.setEditing(true);
  player.current = dir.write("other.mp3", audio);  // the player moved on meanwhile

  form.save(typed(QString::fromUtf8("新的标题"), "7", 0));
  EXPECT_EQ(messages.messages, QStringList{"Tag Added!"});
  QByteArray bytes = TempDir::read(song);
  ASSERT_EQ(bytes.size(), audio.size() + 128);
  EXPECT_EQ(bytes.mid(1000 + 3, 30),
            EncodeLegacy(QString::fromUtf8("新的标题")).leftJustified(30, ' '));
  EXPECT_EQ(bytes[1000 + 126], 7);
  EXPECT_EQ(uint8_t(bytes[1000 + 127]), 254);  // "Unknown"
  EXPECT_EQ(player.rewritten, QStringList{song});
  ASSERT_EQ(player.changedPaths, QStringList{song});
  EXPECT_EQ(player.changedTags[0].Title.trimmed(), QString::fromUtf8("新的标题"));
  EXPECT_EQ(TempDir::read(player.current), audio);

  form.save(typed("Again", "12", 18));
  EXPECT_EQ(messages.messages.last(), "Tag Updated!");
  bytes = TempDir::read(song);
  EXPECT_EQ(bytes.size(), audio.size() + 128);
  EXPECT_EQ(bytes[1000 + 126], 12);
  EXPECT_EQ(bytes[1000 + 127], 17);
  // Read back as the window shows it.
  player.current = song;
  form.showCurrent();
  EXPECT_EQ(form.shown().title, "Again");
  EXPECT_EQ(form.shown().track, "12");
  EXPECT_EQ(form.shown().genreItem, 18);
}

TEST_F(TrackInfoFormTest, ABadTrackNumberIsRefusedBeforeAnythingIsWritten) {
  const QString song = dir.write("song.mp3", tagged("Old", "", "", 3, 1));
  const QByteArray before = TempDir::read(song);
  player.current = song;
  form.open();
  form.setEditing(true);
  for (const char* track : {"256", "-1", "7a"}) form.save(typed("New", track));
  EXPECT_EQ(messages.messages, QStringList(3, TrackInfoForm::kTrackRefusedMessage));
  EXPECT_EQ(TempDir::read(song), before);
  EXPECT_TRUE(player.rewritten.isEmpty());
}

TEST_F(TrackInfoFormTest, FailuresAreToldAndNothingIsCreated) {
  const QString gone = dir.write("gone.mp3", QByteArray(1000, 'Z'));
  const QString tiny = dir.write("tiny.mp3", QByteArray(255, 'Z'));
  player.current = gone;
  form.open();
  form.setEditing(true);
  QFile::remove(gone);
  form.save(typed("New"));
  EXPECT_EQ(messages.messages, QStringList{"Tag Failed!"});
  EXPECT_FALSE(QFileInfo::exists(gone));

  player.current = tiny;
  form.showCurrent();
  form.save(typed("New"));
  EXPECT_EQ(messages.messages.size(), 1);  // too short: silently unchanged
  EXPECT_EQ(TempDir::read(tiny), QByteArray(255, 'Z'));
  EXPECT_TRUE(player.changedPaths.isEmpty());

  // Save is only possible in edit mode.
  form.setEditing(false);
  player.current = dir.write("song.mp3", QByteArray(1000, 'Z'));
  form.showCurrent();
  form.save(typed("New"));
  EXPECT_EQ(TempDir::read(player.current).size(), 1000);
}

TEST_F(TrackInfoFormTest, TheAlbumPictureIsFoundByTheCoverNamingRules) {
  QStringList covers;
  QObject::connect(&form, &TrackInfoForm::coverShown,
                   [&covers](const QString& picture) { covers.append(picture); });
  dir.write("music/Album.jpg", "not looked at");
  const QString best = dir.write("music/Artist - Album.bmp", "not looked at");
  player.current = dir.write("music/a.mp3", tagged("A", "Artist", "Album", 1, 1));
  form.open();
  ASSERT_EQ(covers.size(), 1);
  EXPECT_EQ(covers[0], best);

  player.current = dir.write("music/b.mp3", tagged("B", "Artist", "Other", 1, 1));
  form.refresh();
  EXPECT_EQ(covers.last(), "");  // no picture: emptied
  player.current = dir.write("music/c.mp3", tagged("C", "Artist", "", 1, 1));
  form.refresh();
  EXPECT_EQ(covers.size(), 2);  // no album: the picture stays
}

}  // namespace
}  // namespace kd::test
