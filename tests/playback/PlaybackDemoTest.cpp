// The player end to end through the GStreamer engine: a three-entry playlist
// of short generated files played by the real 25 ms timer, with intro scan,
// checked through what the skin shows.

#include <gtest/gtest.h>

#include <QSet>

#include "RecordingView.h"
#include "SilentMp3.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
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
  void SetUp() override {
    QObject::connect(&model, &PlayerModel::itemStarted, [this] {
      titles.append(model.item().name);
      lengths.append(view.label(kLabelLength));
      channelModes.append(view.label(kLabelChannels));
    });
    QObject::connect(&model, &PlayerModel::positionChanged,
                     [this] { times.insert(view.label(kLabelTime)); });
    playlist.append({"Alpha", MediaFile("short.wav")});
    // 77 frames of 26 ms: two seconds.
    playlist.append({"b", dir.write("b.mp3", SilentMp3(77, true, "Beta Song"))});
    playlist.append({"Gamma", MediaFile("short.wav")});
  }

  TempDir dir;
  OutputDevice device;
  GstMediaEngine engine{&device};
  Playlist playlist;
  PlayerModel model;
  RecordingView view;
  SkinPresenter presenter{model, playlist, view};
  QStringList titles, lengths, channelModes;
  QSet<QString> times;
  Settings settings;
  RecordingSink messages;
  CoverHooks covers;
  PositionTimer timer;
  Transport transport{model, playlist, engine, timer, messages, covers, settings};
  PositionTick tick{transport, timer, [](int) { return 1; }};
};

TEST_F(PlaybackDemoTest, ThePlaylistPlaysThroughOnceWithIntroScan) {
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

}  // namespace
}  // namespace kd::test
