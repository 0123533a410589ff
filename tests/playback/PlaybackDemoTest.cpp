// The player end to end through the GStreamer engine: a three-entry playlist
// of short generated files played by the real 25 ms timer, with intro scan,
// repeat and shuffle, checked through the labels it writes.

#include <gtest/gtest.h>

#include "RecordingView.h"
#include "SilentMp3.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerState.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"
#include "playlist/Playlist.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

class PlaybackDemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    playlist.append({"Alpha", MediaFile("short.wav")});
    // 77 frames of 26 ms: two seconds.
    playlist.append({"b", dir.write("b.mp3", SilentMp3(77, true, "Beta Song"))});
    playlist.append({"Gamma", MediaFile("short.wav")});
  }

  QStringList titles() const {
    QStringList names;
    for (const QString& line : view.linesStartingWith("L2=")) names.append(line.mid(3));
    return names;
  }

  TempDir dir;
  OutputDevice device;
  GstMediaEngine engine{&device};
  RecordingView view;
  Playlist playlist;
  PlayerState state;
  Settings settings;
  RecordingSink messages;
  CoverHooks covers;
  PositionTimer timer;
  Transport transport{state, playlist, view, engine, timer, messages, covers, settings};
  QList<int> randomPicks;
  PositionTick tick{transport, view, timer,
                    [this](int) { return randomPicks.isEmpty() ? 1 : randomPicks.takeFirst(); }};
};

TEST_F(PlaybackDemoTest, ThePlaylistPlaysThroughOnceWithIntroScan) {
  state.flags.Intro = true;  // every item is shorter than the scan: each ends at its end
  transport.PlayIt();
  ASSERT_TRUE(state.flags.Playing);
  EXPECT_TRUE(WaitUntil([&] { return !state.flags.Playing; }, 30000));

  EXPECT_EQ(titles(), QStringList({"Alpha", "Beta Song", "Gamma"}));
  EXPECT_EQ(view.linesStartingWith("L13="), QStringList({"L13=0:01", "L13=0:02", "L13=0:01"}));
  EXPECT_EQ(view.linesStartingWith("L4="), QStringList({"L4= 1", "L4= 2", "L4= 3"}));
  const QStringList times = view.linesStartingWith("L1=");
  EXPECT_TRUE(times.contains("L1=0:00"));
  EXPECT_TRUE(times.contains("L1=0:02"));  // the MP3 reaches its second second
  EXPECT_EQ(view.linesStartingWith("L12="), QStringList({"L12=", "L12=", "L12=jstereo", "L12="}));
  EXPECT_EQ(playlist.TNum(), 1);  // past the last entry: the first, stopped
  EXPECT_EQ(playlist.entry(1).name, "Beta Song");
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PlaybackDemoTest, RepeatThenShuffleChooseTheNextEntry) {
  state.flags.Repeat = true;
  playlist.setTNum(3);
  transport.PlayIt();
  ASSERT_TRUE(WaitUntil([&] { return titles().size() >= 2; }, 20000));
  state.flags.Repeat = false;  // while the second Gamma plays
  state.flags.Shuffle = true;
  randomPicks = {2, 1};
  EXPECT_TRUE(WaitUntil([&] { return titles().size() >= 4; }, 20000));
  transport.StopIt();
  EXPECT_EQ(titles().mid(0, 4), QStringList({"Gamma", "Gamma", "Beta Song", "Alpha"}));
}

}  // namespace
}  // namespace kd::test
