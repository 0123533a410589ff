// The player end to end through the GStreamer engine and the real 25 ms
// timer, checked through what the skin shows.

#include <gtest/gtest.h>

#include <QSet>

#include "RecordingView.h"
#include "SilentMp3.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "mediainfo/Id3v1File.h"
#include "mediainfo/TrackInfoForm.h"
#include "playback/CurrentTrackFile.h"
#include "playback/MediaEngine.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"
#include "playlist/Playlist.h"
#include "skin/SkinPresenter.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

class PlaybackDemoTest : public ::testing::Test {
 protected:
  double enginePosition() const {
    return transport.engineItem() ? transport.engineItem()->currentPosition() : -1;
  }

  TempDir dir;
  OutputDevice device;
  GstMediaEngine engine{&device};
  Playlist playlist;
  PlayerModel model;
  RecordingView view;
  SkinPresenter presenter{model, playlist, view};
  Settings settings;
  RecordingSink messages;
  CoverHooks covers;
  PositionTimer timer;
  Transport transport{model, playlist, engine, timer, messages, covers, settings};
  PositionTick tick{transport, timer, [](int) { return 1; }};
};

TEST_F(PlaybackDemoTest, ThePlaylistPlaysThroughOnceWithIntroScan) {
  QStringList titles, lengths, channelModes;
  QSet<QString> times;
  QObject::connect(&model, &PlayerModel::itemStarted, [&] {
    titles.append(model.item().name);
    lengths.append(view.label(kLabelLength));
    channelModes.append(view.label(kLabelChannels));
  });
  QObject::connect(&model, &PlayerModel::positionChanged,
                   [&] { times.insert(view.label(kLabelTime)); });
  playlist.append({"Alpha", MediaFile("short.wav")});
  // 77 frames of 26 ms: two seconds.
  playlist.append({"b", dir.write("b.mp3", SilentMp3(77, true, "Beta Song"))});
  playlist.append({"Gamma", MediaFile("short.wav")});

  model.setModes({.intro = true});  // every item is shorter than the scan: each ends at its end
  transport.play();
  ASSERT_TRUE(model.isActive());
  EXPECT_TRUE(WaitUntil([&] { return !model.isActive(); }, 30000));

  EXPECT_EQ(titles, QStringList({"Alpha", "Beta Song", "Gamma"}));
  EXPECT_EQ(lengths, QStringList({"0:01", "0:02", "0:01"}));
  EXPECT_TRUE(times.contains("0:00"));
  EXPECT_TRUE(times.contains("0:02"));  // the MP3 reaches its second second
  EXPECT_EQ(channelModes, QStringList({"", "jstereo", ""}));
  EXPECT_EQ(playlist.currentEntry(), 1);  // past the last entry: the first, stopped
  EXPECT_EQ(playlist.entry(1).name, "Beta Song");
  EXPECT_TRUE(messages.messages.isEmpty());
}

// Saving the tag of the song that plays: it goes on from where it was, in its
// paused state, with the new title. (The rate is kept as well: TagSaveTest,
// where time is exact.)
TEST_F(PlaybackDemoTest, ATagSavedWhilePausedKeepsThePlaceAndPlaysOnFromThere) {
  CurrentTrackFile trackFile{transport};
  TrackInfoForm form{trackFile, messages, settings};
  // 230 frames of 26 ms: six seconds.
  const QString song = dir.write("song.mp3", SilentMp3(230, true, "Old Title"));
  playlist.append({"song", song});
  transport.play();
  ASSERT_TRUE(WaitUntil([&] { return model.position() >= 1.5; }));
  transport.togglePause();
  const double before = enginePosition();

  form.open();
  form.setEditing(true);
  TrackInfoTexts texts = form.shown();
  texts.title = "New Title";
  form.save(texts);
  EXPECT_EQ(messages.messages, QStringList{"Tag Updated!"});
  EXPECT_EQ(ReadId3v1File(song)->Title.trimmed(), "New Title");
  EXPECT_EQ(model.status(), PlayStatus::Paused);
  EXPECT_EQ(view.label(kLabelTitle), "New Title");
  EXPECT_EQ(playlist.entry(0).name, "New Title");
  EXPECT_NEAR(enginePosition(), before, 0.2);
  Wait(300);
  EXPECT_NEAR(enginePosition(), before, 0.2);  // still paused

  transport.togglePause();
  EXPECT_TRUE(WaitUntil([&] { return model.position() >= before + 1; }));
  EXPECT_LT(model.position(), before + 3);  // on from where it was, not from the start
}

}  // namespace
}  // namespace kd::test
