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

using test::MediaFile;
using test::WaitUntil;

struct Stereo {
  std::vector<float> left;
  std::vector<float> right;
};

float peak(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
  float result = 0.0f;
  for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
    result = std::max(result, std::abs(samples[i]));
  return result;
}

class GstOutputTest : public ::testing::Test {
 protected:
  // Routes the audio of items made from here on into a file; `realTime`
  // paces it like a sound card instead of running as fast as it can.
  void capture(bool realTime) {
    m_out = m_dir.path() + "out.raw";
    m_sink.emplace("KAVORODECK_AUDIO_SINK",
                   QStringLiteral("audioconvert ! audio/x-raw,format=F32LE,layout=interleaved,"
                                  "channels=2 ! filesink sync=%1 location=\"%2\"")
                       .arg(QLatin1String(realTime ? "true" : "false"), m_out)
                       .toUtf8());
  }

  // The engine, made on first use (it reads the device's levels then).
  GstMediaEngine& engine() {
    if (!m_engine) {
      m_engine = std::make_unique<GstMediaEngine>(&m_device);
      m_engine->setPrerollLimit(std::chrono::seconds(30));
    }
    return *m_engine;
  }

  // An item of the engine playing `path`, or nullptr with a failure recorded.
  std::unique_ptr<MediaItem> start(const QString& path) {
    std::unique_ptr<MediaItem> item = engine().createItem();
    if (!item || !item->renderFile(path)) {
      ADD_FAILURE() << "cannot play " << path.toStdString();
      return nullptr;
    }
    item->run();
    return item;
  }

  // What came out once `item` (which may be null) played to its end.
  Stereo outputAtEnd(std::unique_ptr<MediaItem> item) {
    EXPECT_TRUE(item && WaitUntil([&] { return item->hasEnded(); }));
    EXPECT_FALSE(item && item->wasRefused());
    item.reset();  // closes the file
    const QByteArray bytes = test::TempDir::read(m_out);
    Stereo result;
    for (qsizetype i = 0; i + 8 <= bytes.size(); i += 8) {
      result.left.push_back(0.0f);
      result.right.push_back(0.0f);
      std::memcpy(&result.left.back(), bytes.constData() + i, 4);
      std::memcpy(&result.right.back(), bytes.constData() + i + 4, 4);
    }
    return result;
  }

  test::TempDir m_dir;
  QString m_out;
  std::optional<test::ScopedEnv> m_sink;
  OutputDevice m_device;
  std::unique_ptr<GstMediaEngine> m_engine;
};

TEST_F(GstOutputTest, TheLevelsScaleEachChannelOfTheSource) {
  capture(false);
  // Full scale keeps both channels as they are, also for an item that
  // outlives its engine.
  std::unique_ptr<MediaItem> item = engine().createItem();
  ASSERT_NE(item, nullptr);
  m_engine.reset();
  ASSERT_TRUE(item->renderFile(MediaFile("stereo.wav")));
  item->run();
  Stereo out = outputAtEnd(std::move(item));
  EXPECT_NEAR(out.left.size(), 2.0 * 44100, 441);
  EXPECT_NEAR(peak(out.left), 0.5f, 0.01f);
  EXPECT_NEAR(peak(out.right), 0.25f, 0.01f);

  m_device.setLevels(0, 0);  // before the engine exists: read at construction
  out = outputAtEnd(start(MediaFile("stereo.wav")));
  ASSERT_GT(out.left.size(), 44100u);
  EXPECT_EQ(peak(out.left), 0.0f);
  EXPECT_EQ(peak(out.right), 0.0f);

  m_device.setLevels(0, 0xFFFF);  // after: followed through the signal
  out = outputAtEnd(start(MediaFile("stereo.wav")));
  EXPECT_EQ(peak(out.left), 0.0f);
  EXPECT_NEAR(peak(out.right), 0.25f, 0.01f);

  m_device.setLevels(0x8000, 0x4000);
  out = outputAtEnd(start(MediaFile("stereo.wav")));
  EXPECT_NEAR(peak(out.left), 0.5f * 0x8000 / 0xFFFF, 0.01f);
  EXPECT_NEAR(peak(out.right), 0.25f * 0x4000 / 0xFFFF, 0.01f);

  m_device.setLevels(0xFFFF, 0xFFFF);  // a mono source comes out as two equal channels
  out = outputAtEnd(start(MediaFile("mono.wav")));
  ASSERT_GT(out.left.size(), 44100u);
  EXPECT_GT(peak(out.left), 0.3f);
  EXPECT_EQ(out.left, out.right);
}

TEST_F(GstOutputTest, ALevelChangeReachesAnItemThatIsPlaying) {
  capture(true);
  std::unique_ptr<MediaItem> item = start(MediaFile("stereo.wav"));
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.5; }));
  m_device.setLevels(0, 0);
  const Stereo out = outputAtEnd(std::move(item));
  ASSERT_NEAR(out.left.size(), 2.0 * 44100, 441);
  EXPECT_NEAR(peak(out.left, 0, 11025), 0.5f, 0.01f);  // the first quarter second
  EXPECT_EQ(peak(out.left, 66150), 0.0f);              // the last half second
  EXPECT_EQ(peak(out.right, 66150), 0.0f);
}

TEST_F(GstOutputTest, AStoppedItemHoldsStillAndItsOutputEndsAtOnce) {
  capture(true);
  std::unique_ptr<MediaItem> item = start(MediaFile("long.mp3"));
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.5; }));
  item->stop();
  const double held = item->currentPosition();
  const qint64 written = QFileInfo(m_out).size();
  test::Wait(500);
  EXPECT_EQ(QFileInfo(m_out).size(), written);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, 44100 * 8 * 3);  // well short of the whole six seconds
  EXPECT_DOUBLE_EQ(item->currentPosition(), held);
  EXPECT_FALSE(item->hasEnded());
  EXPECT_FALSE(item->wasRefused());
}

}  // namespace
}  // namespace kd
