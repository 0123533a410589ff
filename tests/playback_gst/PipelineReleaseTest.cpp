// A long run of items through the real engine gives back everything each item
// took: its pipeline, its bus (a socket pair) and its memory. Runs in its own
// binary with GStreamer's leak tracer counting live pipelines and buses.

#include "playback/gst/GstMediaEngine.h"
#include "playback/gst/LiveObjects.h"
#include "playback_gst/EngineTestSupport.h"

#include <gst/gst.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QThread>

namespace kd {
namespace {

using test::MediaFile;

int openDescriptors() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

long residentKiB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

// What the position tick does with an item: render, run, poll until it ends
// or is refused, then stop and release it.
void playThrough(GstMediaEngine& engine, const QString& path) {
  std::unique_ptr<MediaItem> item = engine.createItem();
  ASSERT_NE(item, nullptr);
  if (item->renderFile(path)) {
    item->setCurrentPosition(0.0);
    item->setRate(1.0);
    item->duration();
    item->run();
    for (int poll = 0; poll < 2000 && !item->hasEnded() && !item->wasRefused(); ++poll) {
      item->currentPosition();
      QThread::msleep(2);
    }
    EXPECT_TRUE(item->hasEnded() || item->wasRefused()) << path.toStdString();
  }
  item->stop();
}

TEST(PipelineRelease, TwoHundredItemsGoodAndBrokenLeaveNothingBehind) {
  // Must be set before anything starts GStreamer (making the MP3s does).
  qputenv("GST_TRACERS", "leaks(filters=\"GstPipeline,GstBus\")");
  test::ScopedEnv fast("KAVORODECK_AUDIO_SINK", "fakesink sync=false");
  const QStringList files = {MediaFile("plain.mp3"), MediaFile("noise.mp3"),
                             MediaFile("short.wav"), MediaFile("empty.mp3"),
                             MediaFile("cut.mp3"),   MediaFile("missing.mp3")};
  GstMediaEngine engine;
  engine.setPrerollLimit(std::chrono::seconds(30));
  // The first items load plugins and fill caches that stay for the process.
  for (int i = 0; i < 10; ++i) playThrough(engine, files[i % files.size()]);
  const int descriptorsBefore = openDescriptors();
  const int liveBefore = LiveTracedGstObjects();
  const long residentBefore = residentKiB();
  ASSERT_GE(liveBefore, 0) << "the leak tracer is not active";

  for (int i = 0; i < 200; ++i) playThrough(engine, files[i % files.size()]);

  EXPECT_EQ(openDescriptors(), descriptorsBefore);
  EXPECT_EQ(LiveTracedGstObjects(), liveBefore);
  EXPECT_LT(residentKiB() - residentBefore, 8 * 1024);
}

}  // namespace
}  // namespace kd
