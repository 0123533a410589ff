// The engine playing real files through playbin (audio into "fakesink
// sync=true", so positions move in real time).

#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>

namespace kd {
namespace {

using test::MediaFile;
using test::Wait;
using test::WaitUntil;

class GstItemTest : public ::testing::Test {
 protected:
  // Loading a soundfont under the sanitizers on a busy machine can take
  // seconds; the tests are about behaviour, not speed.
  void SetUp() override { m_engine.setPrerollLimit(std::chrono::seconds(30)); }

  // A rendered (prerolled) item, or nullptr with a failure recorded.
  std::unique_ptr<MediaItem> rendered(const QString& path) {
    std::unique_ptr<MediaItem> item = m_engine.createItem();
    EXPECT_NE(item, nullptr);
    if (!item) return nullptr;
    item->setEndNotifier([this] { ++m_endsNotified; });
    EXPECT_TRUE(item->renderFile(path)) << path.toStdString();
    EXPECT_FALSE(item->wasRefused());
    return item;
  }

  GstMediaEngine m_engine;
  std::atomic<int> m_endsNotified{0};
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
    EXPECT_NEAR(item->duration(), 2.0, format.tolerance);
    EXPECT_DOUBLE_EQ(item->currentPosition(), 0.0);

    // The transport's order for a file: position 0, rate, run.
    item->setCurrentPosition(0.0);
    item->setRate(1.0);
    item->run();
    EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.4; }));
    EXPECT_FALSE(item->wasRefused());
    EXPECT_FALSE(item->hasEnded());
  }
}

TEST_F(GstItemTest, TagsOfTodaysFilesArriveWithThePreroll) {
  for (const char* file : {"tags.flac", "tags.ogg", "v2only.mp3"}) {
    SCOPED_TRACE(file);
    std::unique_ptr<MediaItem> item = rendered(MediaFile(file));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->tags(), (MediaTags{"夜空中最亮的星", "Kavoro Band", "Nightfall", {}}));
  }
  std::unique_ptr<MediaItem> plain = rendered(MediaFile("plain.mp3"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->tags(), MediaTags());

  // The embedded front cover comes as the file holds it.
  std::unique_ptr<MediaItem> item = rendered(MediaFile("cover.mp3"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->tags().title, "With a cover");
  EXPECT_EQ(item->tags().picture, test::CoverJpeg());
  // Playing on does not lose them.
  item->run();
  EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.3; }));
  EXPECT_EQ(item->tags().title, "With a cover");
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
    EXPECT_NEAR(item->duration(), 2.0, 0.05);
    item->run();
    EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.4; }));
    EXPECT_FALSE(item->wasRefused());
  }
  // The description is really the one used: a sink that drops every picture
  // never gets ready, and the wait for it ends in a refusal.
  test::ScopedEnv video("KAVORODECK_VIDEO_SINK", "valve drop=true ! fakesink");
  m_engine.setPrerollLimit(std::chrono::milliseconds(500));
  std::unique_ptr<MediaItem> item = m_engine.createItem();
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->renderFile(MediaFile("clip.avi")));
  EXPECT_TRUE(item->wasRefused());
}

TEST_F(GstItemTest, PauseHoldsThePositionAndRunGoesOnFromThere) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("long.mp3"));
  ASSERT_NE(item, nullptr);
  item->run();
  ASSERT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.5; }));

  item->pause();
  const double held = item->currentPosition();
  for (int tick = 0; tick < 20; ++tick) {
    Wait(25);
    EXPECT_NEAR(item->currentPosition(), held, 0.03);
  }
  item->run();
  EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > held + 0.3; }));
  EXPECT_LT(item->currentPosition(), held + 2.0);
}

TEST_F(GstItemTest, SeekLandsNearItsTargetAndNeverReadsAsAnOldPosition) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("long.mp3"));
  ASSERT_NE(item, nullptr);

  // Paused: the position is the target at once and stays there.
  item->setCurrentPosition(3.0);
  EXPECT_NEAR(item->currentPosition(), 3.0, 0.05);
  for (int tick = 0; tick < 10; ++tick) {
    Wait(25);
    EXPECT_NEAR(item->currentPosition(), 3.0, 0.1);
  }

  item->run();
  ASSERT_TRUE(WaitUntil([&] { return item->currentPosition() > 3.3; }));

  // Playing: every tick after a backward seek reads near the target, never
  // 0 and never the old place.
  item->setCurrentPosition(1.0);
  for (int tick = 0; tick < 10; ++tick) {
    const double position = item->currentPosition();
    EXPECT_GE(position, 0.95);
    EXPECT_LT(position, 3.0);
    Wait(25);
  }
  EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > 1.3; }));
}

TEST_F(GstItemTest, RateOneAndAHalfRunsAheadOfNormalAndChangesWithoutRestarting) {
  std::unique_ptr<MediaItem> normal = rendered(MediaFile("long.mp3"));
  std::unique_ptr<MediaItem> fast = rendered(MediaFile("long.mp3"));
  ASSERT_TRUE(normal && fast);
  normal->setCurrentPosition(0.0);
  normal->setRate(1.0);
  fast->setCurrentPosition(0.0);
  fast->setRate(1.5);
  normal->run();
  fast->run();

  // Both run side by side, so a busy machine slows both alike.
  ASSERT_TRUE(WaitUntil([&] { return normal->currentPosition() > 1.5; }));
  const double fastPosition = fast->currentPosition();
  const double normalPosition = normal->currentPosition();
  EXPECT_GT(fastPosition, normalPosition * 1.2);
  EXPECT_LT(fastPosition, normalPosition * 1.8 + 0.2);

  // A change of rate while playing keeps the place.
  fast->setRate(0.5);
  EXPECT_GE(fast->currentPosition(), fastPosition);
  Wait(100);
  EXPECT_GE(fast->currentPosition(), fastPosition);
  EXPECT_FALSE(fast->wasRefused());
}

TEST_F(GstItemTest, TheEndIsReportedAndASeekAfterItPlaysAgain) {
  std::unique_ptr<MediaItem> item = rendered(MediaFile("short.wav"));
  ASSERT_NE(item, nullptr);
  item->setCurrentPosition(0.0);
  item->run();
  EXPECT_EQ(m_endsNotified, 0);
  // The player hears of the end without asking.
  ASSERT_TRUE(WaitUntil([&] { return m_endsNotified > 0; }));
  EXPECT_TRUE(item->hasEnded());
  EXPECT_FALSE(item->wasRefused());
  // The end counts as the whole length, so a caller comparing the two ends too.
  EXPECT_GE(item->currentPosition(), item->duration());
  EXPECT_NEAR(item->duration(), 1.0, 0.01);

  // What repeat and A-B repeat do: seek back into an item that has ended.
  item->setCurrentPosition(0.2);
  EXPECT_FALSE(item->hasEnded());
  EXPECT_LT(item->currentPosition(), 0.5);
  EXPECT_TRUE(WaitUntil([&] { return item->hasEnded(); }));
}

TEST_F(GstItemTest, UnplayableEntriesAreRefusedWithoutHangingOrCrashing) {
  for (const char* name : {"noise.mp3", "empty.mp3", "missing.mp3", "folder.mp3", "pipe.wav"}) {
    SCOPED_TRACE(name);
    std::unique_ptr<MediaItem> item = m_engine.createItem();
    ASSERT_NE(item, nullptr);
    if (item->renderFile(MediaFile(name))) {
      item->run();
      EXPECT_TRUE(WaitUntil([&] { return item->wasRefused(); }));
    } else {
      EXPECT_TRUE(item->wasRefused());
    }
    EXPECT_FALSE(item->hasEnded());
    // Calls on a refused item do nothing harmful.
    item->setCurrentPosition(1.0);
    item->setRate(1.5);
    item->run();
    item->pause();
    EXPECT_GE(item->currentPosition(), 0.0);
  }
}

}  // namespace
}  // namespace kd
