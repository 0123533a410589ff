// What reaches the audio sink: the output levels applied per channel, live,
// and nothing more once an item is stopped. The sink writes the samples to a
// file (interleaved float stereo) that the tests read back.

#include "playback/OutputDevice.h"
#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace kd {
namespace {

using test::Files;
using test::Wait;
using test::WaitUntil;

struct Stereo {
  std::vector<float> left;
  std::vector<float> right;
};

float peak(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
  float result = 0.0f;
  to = std::min(to, samples.size());
  for (std::size_t i = from; i < to; ++i) result = std::max(result, std::abs(samples[i]));
  return result;
}

class GstOutputTest : public ::testing::Test {
 protected:
  // Routes the audio of items made from here on into a file; `realTime`
  // paces it like a sound card instead of running as fast as it can.
  void capture(bool realTime) {
    m_out = m_dir.path() + "out.raw";
    const QString description =
        QStringLiteral(
            "audioconvert ! audio/x-raw,format=F32LE,layout=interleaved,channels=2 ! "
            "filesink sync=%1 location=\"%2\"")
            .arg(realTime ? QStringLiteral("true") : QStringLiteral("false"), m_out);
    m_sink.emplace("KAVORODECK_AUDIO_SINK", description.toUtf8());
  }

  // Plays the file to its end with `engine` and returns what came out.
  Stereo playToEnd(GstMediaEngine& engine, const QString& path) {
    std::unique_ptr<MediaItem> item = engine.CreateItem();
    EXPECT_NE(item, nullptr);
    if (!item) return {};
    EXPECT_TRUE(item->RenderFile(path));
    item->Run();
    EXPECT_TRUE(WaitUntil([&] { return item->HasEnded(); }));
    EXPECT_FALSE(item->WasRefused());
    item.reset();  // closes the file
    return output();
  }

  Stereo output() const {
    const QByteArray bytes = test::TempDir::read(m_out);
    Stereo result;
    const std::size_t frames = bytes.size() / (2 * sizeof(float));
    result.left.resize(frames);
    result.right.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
      std::memcpy(&result.left[i], bytes.constData() + 8 * i, 4);
      std::memcpy(&result.right[i], bytes.constData() + 8 * i + 4, 4);
    }
    return result;
  }

  test::TempDir m_dir;
  QString m_out;
  std::optional<test::ScopedEnv> m_sink;
  OutputDevice m_device;
};

TEST_F(GstOutputTest, FullScaleKeepsBothChannelsAsTheyAre) {
  capture(false);
  auto engine = std::make_unique<GstMediaEngine>(&m_device);
  engine->SetPrerollLimit(std::chrono::seconds(30));
  std::unique_ptr<MediaItem> item = engine->CreateItem();
  ASSERT_NE(item, nullptr);
  engine.reset();  // an item outlives its engine
  ASSERT_TRUE(item->RenderFile(Files().wavStereo()));
  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->HasEnded(); }));
  item.reset();

  const Stereo out = output();
  EXPECT_NEAR(out.left.size(), 2.0 * 44100, 441);
  EXPECT_NEAR(peak(out.left), 0.5f, 0.01f);
  EXPECT_NEAR(peak(out.right), 0.25f, 0.01f);
}

TEST_F(GstOutputTest, LevelsScaleEachChannel) {
  capture(false);
  m_device.SetLevels(0, 0);  // before the engine exists: read at construction
  GstMediaEngine engine(&m_device);
  engine.SetPrerollLimit(std::chrono::seconds(30));
  Stereo out = playToEnd(engine, Files().wavStereo());
  ASSERT_GT(out.left.size(), 44100u);
  EXPECT_EQ(peak(out.left), 0.0f);
  EXPECT_EQ(peak(out.right), 0.0f);

  m_device.SetLevels(0, 0xFFFF);  // after: followed through the signal
  out = playToEnd(engine, Files().wavStereo());
  EXPECT_EQ(peak(out.left), 0.0f);
  EXPECT_NEAR(peak(out.right), 0.25f, 0.01f);

  m_device.SetLevels(0x8000, 0x4000);
  out = playToEnd(engine, Files().wavStereo());
  EXPECT_NEAR(peak(out.left), 0.5f * 0x8000 / 0xFFFF, 0.01f);
  EXPECT_NEAR(peak(out.right), 0.25f * 0x4000 / 0xFFFF, 0.01f);
}

TEST_F(GstOutputTest, AMonoSourceComesOutAsTwoEqualChannels) {
  capture(false);
  GstMediaEngine engine(&m_device);
  engine.SetPrerollLimit(std::chrono::seconds(30));
  const Stereo out = playToEnd(engine, Files().wavMono());
  ASSERT_GT(out.left.size(), 44100u);
  EXPECT_GT(peak(out.left), 0.3f);
  EXPECT_EQ(out.left, out.right);
}

TEST_F(GstOutputTest, ALevelChangeReachesAnItemThatIsPlaying) {
  capture(true);
  GstMediaEngine engine(&m_device);
  engine.SetPrerollLimit(std::chrono::seconds(30));
  std::unique_ptr<MediaItem> item = engine.CreateItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->RenderFile(Files().wavStereo()));
  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.5; }));
  m_device.SetLevels(0, 0);
  ASSERT_TRUE(WaitUntil([&] { return item->HasEnded(); }));
  item.reset();

  const Stereo out = output();
  ASSERT_NEAR(out.left.size(), 2.0 * 44100, 441);
  EXPECT_NEAR(peak(out.left, 0, 11025), 0.5f, 0.01f);  // the first quarter second
  EXPECT_EQ(peak(out.left, 66150), 0.0f);              // the last half second
  EXPECT_EQ(peak(out.right, 66150), 0.0f);
}

TEST_F(GstOutputTest, StopEndsTheOutputAtOnce) {
  capture(true);
  GstMediaEngine engine(&m_device);
  engine.SetPrerollLimit(std::chrono::seconds(30));
  std::unique_ptr<MediaItem> item = engine.CreateItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->RenderFile(Files().mp3Long()));
  item->Run();
  ASSERT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.5; }));
  item->Stop();
  const qint64 written = QFileInfo(m_out).size();
  Wait(500);
  EXPECT_EQ(QFileInfo(m_out).size(), written);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, 44100 * 8 * 3);  // well short of the whole six seconds
}

}  // namespace
}  // namespace kd
