// The engine playing real files through playbin (audio into "fakesink
// sync=true", so positions move in real time).

#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"

#include <gtest/gtest.h>

namespace kd {
namespace {

using test::MediaFile;
using test::Wait;
using test::WaitUntil;

class GstItemTest : public ::testing::Test {
 protected:
  // Loading a soundfont under the sanitizers on a busy machine can take
  // seconds; the tests are about behaviour, not speed.
  void SetUp() override { m_engine.SetPrerollLimit(std::chrono::seconds(30)); }

  // A rendered (prerolled) item, or nullptr with a failure recorded.
  std::unique_ptr<MediaItem> rendered(const QString& path) {
    std::unique_ptr<MediaItem> item = m_engine.CreateItem();
    EXPECT_NE(item, nullptr);
    if (!item) return nullptr;
    EXPECT_TRUE(item->RenderFile(path)) << path.toStdString();
    EXPECT_FALSE(item->WasRefused());
    return item;
  }

  GstMediaEngine m_engine;
};

TEST_F(GstItemTest, EachFormatKnowsItsLengthOnceRenderedAndPlays) {
  // The MP3 encoder adds up to two frames of delay and padding.
  const struct {
    const char* file;
    double tolerance;
  } formats[] = {{"stereo.wav", 0.01},
                 {"mono.wav", 0.01},
                 {"plain.mp3", 0.12},
                 {"tagged.mp3", 0.12},
                 {"tune.mid", 0.3}};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.file);
    std::unique_ptr<MediaItem> item = rendered(MediaFile(format.file));
    ASSERT_NE(item, nullptr);
    EXPECT_NEAR(item->Duration(), 2.0, format.tolerance);
    EXPECT_DOUBLE_EQ(item->CurrentPosition(), 0.0);

    // The transport's order for a file: position 0, rate, run.
    item->SetCurrentPosition(0.0);
    item->SetRate(1.0);
    item->Run();
    EXPECT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.4; }));
    EXPECT_FALSE(item->WasRefused());
    EXPECT_FALSE(item->HasEnded());
  }
}

TEST_F(GstItemTest, AVideoPlaysWhereverItsPicturesGoOrIsRefusedInTime) {
  // Pictures go to the sink the environment names. Without it and without a
  // display every video sink fails, and some fail badly (a crash, a wait for
  // a main loop that the blocked interface thread does not run); the
  // automatic sink must fall back to showing nothing while the sound plays.
  test::ScopedEnv x11("DISPLAY", "");
  test::ScopedEnv wayland("WAYLAND_DISPLAY", "");
  for (const char* sink : {"fakesink sync=true", ""}) {
    SCOPED_TRACE(sink);
    test::ScopedEnv video("KAVORODECK_VIDEO_SINK", sink);
    std::unique_ptr<MediaItem> item = rendered(MediaFile("clip.avi"));
    ASSERT_NE(item, nullptr);
    EXPECT_NEAR(item->Duration(), 2.0, 0.05);
    item->Run();
    EXPECT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.4; }));
    EXPECT_FALSE(item->WasRefused());
  }
  // The description is really the one used: a sink that drops every picture
  // never gets ready, and the wait for it ends in a refusal.
  test::ScopedEnv video("KAVORODECK_VIDEO_SINK", "valve drop=true ! fakesink");
  m_engine.SetPrerollLimit(std::chrono::milliseconds(500));
  std::unique_ptr<MediaItem> item = m_engine.CreateItem();
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->RenderFile(MediaFile("clip.avi")));
  EXPECT_TRUE(item->WasRefused());
}

TEST_F(GstItemTest, PauseHoldsThePositionAndRunGoesOnFromThere) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("long.mp3"));
  ASSERT_NE(item, nullptr);
  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.5; }));

  item->Pause();
  const double held = item->CurrentPosition();
  for (int tick = 0; tick < 20; ++tick) {
    Wait(25);
    EXPECT_NEAR(item->CurrentPosition(), held, 0.03);
  }
  item->Run();
  EXPECT_TRUE(WaitUntil([&] { return item->CurrentPosition() > held + 0.3; }));
  EXPECT_LT(item->CurrentPosition(), held + 2.0);
}

TEST_F(GstItemTest, SeekLandsNearItsTargetAndNeverReadsAsAnOldPosition) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("long.mp3"));
  ASSERT_NE(item, nullptr);

  // Paused: the position is the target at once and stays there.
  item->SetCurrentPosition(3.0);
  EXPECT_NEAR(item->CurrentPosition(), 3.0, 0.05);
  for (int tick = 0; tick < 10; ++tick) {
    Wait(25);
    EXPECT_NEAR(item->CurrentPosition(), 3.0, 0.1);
  }

  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 3.3; }));

  // Playing: every tick after a backward seek reads near the target, never
  // 0 and never the old place.
  item->SetCurrentPosition(1.0);
  for (int tick = 0; tick < 10; ++tick) {
    const double position = item->CurrentPosition();
    EXPECT_GE(position, 0.95);
    EXPECT_LT(position, 3.0);
    Wait(25);
  }
  EXPECT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 1.3; }));
}

TEST_F(GstItemTest, RateOneAndAHalfRunsAheadOfNormalAndChangesWithoutRestarting) {
  std::unique_ptr<MediaItem> normal = rendered(MediaFile("long.mp3"));
  std::unique_ptr<MediaItem> fast = rendered(MediaFile("long.mp3"));
  ASSERT_TRUE(normal && fast);
  normal->SetCurrentPosition(0.0);
  normal->SetRate(1.0);
  fast->SetCurrentPosition(0.0);
  fast->SetRate(1.5);
  normal->Run();
  fast->Run();

  // Both run side by side, so a busy machine slows both alike.
  ASSERT_TRUE(WaitUntil([&] { return normal->CurrentPosition() > 1.5; }));
  const double fastPosition = fast->CurrentPosition();
  const double normalPosition = normal->CurrentPosition();
  EXPECT_GT(fastPosition, normalPosition * 1.2);
  EXPECT_LT(fastPosition, normalPosition * 1.8 + 0.2);

  // A change of rate while playing keeps the place.
  fast->SetRate(0.5);
  EXPECT_GE(fast->CurrentPosition(), fastPosition);
  Wait(100);
  EXPECT_GE(fast->CurrentPosition(), fastPosition);
  EXPECT_FALSE(fast->WasRefused());
}

TEST_F(GstItemTest, TheEndIsReportedAndASeekAfterItPlaysAgain) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("short.wav"));
  ASSERT_NE(item, nullptr);
  item->SetCurrentPosition(0.0);
  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->HasEnded(); }));
  EXPECT_FALSE(item->WasRefused());
  // The end counts as the whole length, so a caller comparing the two ends too.
  EXPECT_GE(item->CurrentPosition(), item->Duration());
  EXPECT_NEAR(item->Duration(), 1.0, 0.01);

  // What repeat and A-B repeat do: seek back into an item that has ended.
  item->SetCurrentPosition(0.2);
  EXPECT_FALSE(item->HasEnded());
  EXPECT_LT(item->CurrentPosition(), 0.5);
  EXPECT_TRUE(WaitUntil([&] { return item->HasEnded(); }));
}

TEST_F(GstItemTest, UnplayableEntriesAreRefusedWithoutHangingOrCrashing) {
  for (const char* name : {"noise.mp3", "empty.mp3", "missing.mp3", "folder.mp3", "pipe.wav"}) {
    SCOPED_TRACE(name);
    std::unique_ptr<MediaItem> item = m_engine.CreateItem();
    ASSERT_NE(item, nullptr);
    if (item->RenderFile(MediaFile(name))) {
      item->Run();
      EXPECT_TRUE(WaitUntil([&] { return item->WasRefused(); }));
    } else {
      EXPECT_TRUE(item->WasRefused());
    }
    EXPECT_FALSE(item->HasEnded());
    // Calls on a refused item do nothing harmful.
    item->SetCurrentPosition(1.0);
    item->SetRate(1.5);
    item->Run();
    item->Pause();
    EXPECT_GE(item->CurrentPosition(), 0.0);
  }
}

}  // namespace
}  // namespace kd
