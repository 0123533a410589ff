// Saving the tag of the file that plays: the engine lets the file go for the
// write and plays on where it was, at its rate; the new title names the
// entry at once. (The paused state, through the real engine: PlaybackDemoTest.)

#include "PlayerFixture.h"
#include "SilentMp3.h"
#include "mediainfo/Id3v1File.h"
#include "mediainfo/TrackInfoForm.h"
#include "playback/CurrentTrackFile.h"

namespace kd::test {
namespace {

class TagSaveTest : public PlayerTest {
 protected:
  void SetUp() override {
    song = addFile("song.mp3", "song", SilentMp3(3, true, "Old Title", "Artist"));
    other = addFile("other.mp3", "other", SilentMp3(3, true, "Other"));
  }
  // Opens the track window on the current track and saves `title`.
  void saveTitle(const QString& title) {
    form.open();
    form.setEditing(true);
    TrackInfoTexts texts = form.shown();
    texts.title = title;
    form.save(texts);
  }
  QString titleOnDisk(const QString& path) const {
    const std::optional<ID3Info> tag = ReadId3v1File(path);
    return tag ? tag->Title.trimmed() : QString();
  }

  QString song, other;
  CurrentTrackFile trackFile{transport};
  TrackInfoForm form{trackFile, messages, settings};
};

TEST_F(TagSaveTest, PlayingGoesOnWhereItWasAtItsRateWithTheNewTitle) {
  transport.setRate(1.0f);  // 1.5 times normal speed
  play(1);
  engine.current->setPosition(20);
  saveTitle("New Title");

  EXPECT_EQ(titleOnDisk(song), "New Title");
  EXPECT_EQ(messages.messages, QStringList{"Tag Updated!"});
  ASSERT_NE(engine.current, nullptr);
  EXPECT_EQ(renderedPath(), song);
  EXPECT_EQ(engine.created, 2);
  EXPECT_DOUBLE_EQ(engine.current->currentPosition(), 20);
  clock.now += 2;
  EXPECT_DOUBLE_EQ(engine.current->currentPosition(), 23);  // still 1.5 times
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_TRUE(timer.isActive());
  EXPECT_TRUE(form.isFollowing());

  EXPECT_EQ(playlist.entry(0).name, "New Title");
  EXPECT_EQ(view.label(kLabelTitle), "New Title");
  EXPECT_EQ(model.mpegFacts()->tag.Title.trimmed(), "New Title");
  EXPECT_EQ(model.mpegFacts()->tag.Artist.trimmed(), "Artist");
}

TEST_F(TagSaveTest, TheFileIsNotHeldByTheEngineWhileItIsWritten) {
  play(1);
  bool heldDuringWrite = true;
  trackFile.rewriteFile(song, [&] { heldDuringWrite = engine.current != nullptr; });
  EXPECT_FALSE(heldDuringWrite);
  EXPECT_NE(engine.current, nullptr);

  // Another file is written while the song plays on untouched.
  trackFile.rewriteFile(other, [&] { heldDuringWrite = engine.current != nullptr; });
  EXPECT_TRUE(heldDuringWrite);
  EXPECT_EQ(engine.created, 2);
}

TEST_F(TagSaveTest, AFileThatCannotBePlayedAgainStopsThePlayerWithAMessage) {
  play(1);
  engine.script(song, {.refuseRender = true});
  saveTitle("New Title");

  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(engine.current, nullptr);
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(messages.messages, QStringList({Transport::kCannotPlayAgainMessage, "Tag Updated!"}));
  EXPECT_EQ(titleOnDisk(song), "New Title");
  EXPECT_EQ(playlist.entry(0).name, "New Title");
}

TEST_F(TagSaveTest, AStoppedSongOnlyChangesItsFileAndName) {
  play(1);
  transport.stop();
  saveTitle("Stopped Title");
  EXPECT_EQ(engine.created, 1);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(playlist.entry(0).name, "Stopped Title");  // still the current track
}

}  // namespace
}  // namespace kd::test
