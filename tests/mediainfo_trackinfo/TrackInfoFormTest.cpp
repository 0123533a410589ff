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

QByteArray taggedSong(const QString& title, const QString& artist = {}, const QString& album = {}) {
  ID3Info info;
  info.Title = title;
  info.Artist = artist;
  info.Album = album;
  info.Track = 1;
  return QByteArray(1000, 'Z') + BuildId3v1(info);
}

TEST(TrackInfoTexts, TagFieldsShowTrimmedWithTheTrackInTwoDigits) {
  ID3Info tag;
  tag.present = true;
  tag.Title = "  Song  ";
  tag.Track = 7;
  tag.Genre = 17;
  TrackInfoTexts texts = TrackInfoTextsOf("/m/a.mp3", tag);
  EXPECT_EQ(texts.title, "Song");
  EXPECT_EQ(texts.track, "07");
  EXPECT_EQ(texts.genreItem, 18);  // "Rock"
  tag.Track = 0;
  tag.Genre = 254;
  texts = TrackInfoTextsOf("/m/a.mp3", tag);
  EXPECT_EQ(texts.track, "00");
  EXPECT_EQ(texts.genreItem, 0);

  // No tag: no track number (not the blank's code 32) and "Unknown".
  texts = TrackInfoTextsOf("/m/b.mp3", ID3Info());
  EXPECT_EQ(texts.fileName, "/m/b.mp3");
  EXPECT_EQ(texts.track, "");
  EXPECT_EQ(texts.genreItem, 0);
}

TEST(TrackInfoTexts, TrackTextsAreWholeNumbersFrom0To255) {
  EXPECT_EQ(TrackNumberOfText(u""), 0);
  EXPECT_EQ(TrackNumberOfText(u" 07 "), 7);
  EXPECT_EQ(TrackNumberOfText(u"255"), 255);
  for (const char16_t* bad : {u"256", u"-1", u"7a", u"+7", u"0000000000300"}) {
    EXPECT_FALSE(TrackNumberOfText(bad).has_value()) << QString::fromUtf16(bad).toStdString();
  }
}

class TrackInfoFormTest : public ::testing::Test {
 protected:
  void saveTyped(const QString& title, const QString& track, int genreItem = 1) {
    TrackInfoTexts texts = form.shown();
    texts.title = title;
    texts.track = track;
    texts.genreItem = genreItem;
    form.save(texts);
  }

  TempDir dir;
  FakeTrackFile player;
  RecordingSink messages;
  Settings settings;
  TrackInfoForm form{player, messages, settings};
};

TEST_F(TrackInfoFormTest, FollowsTheCurrentTrackUnlessEditing) {
  const QString first = dir.write("one.mp3", taggedSong("One"));
  const QString second = dir.write("two.mp3", taggedSong("Two"));
  player.current = first;
  form.open();
  EXPECT_TRUE(form.isFollowing());
  EXPECT_EQ(form.shown().title, "One");

  player.current = second;
  form.refresh();
  EXPECT_EQ(form.shown().title, "Two");

  form.setEditing(true);
  player.current = first;
  form.refresh();
  EXPECT_EQ(form.shown().fileName, second);  // stays on its file
  form.showCurrent();                        // "当前"
  EXPECT_EQ(form.shown().fileName, first);

  form.close();
  EXPECT_FALSE(form.isFollowing());
  EXPECT_FALSE(form.isEditing());
}

TEST_F(TrackInfoFormTest, SaveWritesTheTypedFieldsToTheFileShownAndSaysHowItWent) {
  const QByteArray audio(1000, 'Z');
  const QString song = dir.write("song.mp3", audio);
  player.current = song;
  form.open();
  saveTyped("Not editing", "1");
  EXPECT_EQ(TempDir::read(song), audio);  // Save needs edit mode

  form.setEditing(true);
  player.current = dir.write("other.mp3", audio);  // the player moved on meanwhile
  for (const char* track : {"256", "-1", "7a"}) saveTyped("New", track);
  EXPECT_EQ(messages.messages, QStringList(3, TrackInfoForm::kTrackRefusedMessage));
  EXPECT_TRUE(player.rewritten.isEmpty());

  saveTyped(QString::fromUtf8("新的标题"), "7", 0);
  saveTyped("Again", "12", 18);
  EXPECT_EQ(messages.messages.mid(3), QStringList({"Tag Added!", "Tag Updated!"}));
  const QByteArray bytes = TempDir::read(song);
  ASSERT_EQ(bytes.size(), audio.size() + 128);
  EXPECT_EQ(bytes.mid(1003, 30), QByteArray("Again").leftJustified(30, ' '));
  EXPECT_EQ(bytes[1000 + 126], 12);
  EXPECT_EQ(bytes[1000 + 127], 17);
  EXPECT_EQ(TempDir::read(player.current), audio);
  EXPECT_EQ(player.changedPaths, QStringList({song, song}));
  EXPECT_EQ(player.changedTags[0].Title.trimmed(), QString::fromUtf8("新的标题"));
  EXPECT_EQ(player.changedTags[0].Genre, 254);  // "Unknown"
}

TEST_F(TrackInfoFormTest, FailuresAreToldShortFilesPassSilently) {
  const QString gone = dir.write("gone.mp3", QByteArray(1000, 'Z'));
  player.current = gone;
  form.open();
  form.setEditing(true);
  QFile::remove(gone);
  saveTyped("New", "1");
  EXPECT_EQ(messages.messages, QStringList{"Tag Failed!"});
  EXPECT_FALSE(QFileInfo::exists(gone));

  player.current = dir.write("tiny.mp3", QByteArray(255, 'Z'));
  form.showCurrent();
  saveTyped("New", "1");
  EXPECT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(player.changedPaths.isEmpty());
}

TEST_F(TrackInfoFormTest, TheAlbumPictureIsFoundByTheCoverNamingRules) {
  QStringList covers;
  QObject::connect(&form, &TrackInfoForm::coverShown,
                   [&covers](const QString& picture) { covers.append(picture); });
  dir.write("music/Album.jpg", "not looked at");
  const QString best = dir.write("music/Artist - Album.bmp", "not looked at");
  player.current = dir.write("music/a.mp3", taggedSong("A", "Artist", "Album"));
  form.open();
  player.current = dir.write("music/b.mp3", taggedSong("B", "Artist", "Other"));
  form.refresh();
  player.current = dir.write("music/c.mp3", taggedSong("C", "Artist"));
  form.refresh();
  // No picture empties it; no album leaves it as it is.
  EXPECT_EQ(covers, QStringList({best, ""}));
}

}  // namespace
}  // namespace kd::test
