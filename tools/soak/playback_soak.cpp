// Plays many items through the real engine, half of them files it refuses,
// and prints the open descriptors and resident memory every 100 items, then
// the pipelines and buses still alive. A player that gives back what each item
// took shows flat figures.
//   kd_playback_soak [ITEMS]   (2000 unless given)
// Run it with KAVORODECK_AUDIO_SINK="fakesink sync=false" to play fast, and
// GST_TRACERS='leaks(filters="GstPipeline,GstBus")' for the last line.

#include "playback/gst/GstMediaEngine.h"
#include "playback/gst/LiveObjects.h"

#include <gst/gst.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

int openDescriptors() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

double residentMiB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : -1;
}

bool encodeMp3(const QString& path) {
  const QByteArray description =
      "audiotestsrc num-buffers=43 ! audioconvert ! lamemp3enc ! filesink location=\"" +
      QFile::encodeName(path) + '"';
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.constData(), &error);
  if (!pipeline || error) {
    g_clear_error(&error);
    if (pipeline) gst_object_unref(pipeline);
    return false;
  }
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  const auto ends = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);
  GstMessage* message = gst_bus_timed_pop_filtered(bus, 30 * GST_SECOND, ends);
  const bool done = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
  if (message) gst_message_unref(message);
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return done;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One playable second of MP3 and three kinds of files the engine refuses.
QStringList makeFiles(const QTemporaryDir& dir) {
  const QString good = dir.filePath(QStringLiteral("good.mp3"));
  if (!encodeMp3(good)) return {};
  QFile goodFile(good);
  if (!goodFile.open(QIODevice::ReadOnly)) return {};
  const QByteArray goodBytes = goodFile.readAll();
  QByteArray noise(32 * 1024, '\0');
  QRandomGenerator random(7);
  for (char& byte : noise) byte = static_cast<char>(random.bounded(256));
  const QString noisePath = dir.filePath(QStringLiteral("noise.mp3"));
  const QString emptyPath = dir.filePath(QStringLiteral("empty.mp3"));
  const QString cutPath = dir.filePath(QStringLiteral("cut.mp3"));
  if (!writeFile(noisePath, noise) || !writeFile(emptyPath, {}) ||
      !writeFile(cutPath, goodBytes.left(goodBytes.size() / 8)))
    return {};
  return {good, noisePath, good, emptyPath, good, cutPath};
}

void playThrough(kd::MediaEngine& engine, const QString& path) {
  std::unique_ptr<kd::MediaItem> item = engine.createItem();
  if (!item || !item->renderFile(path)) return;
  item->setCurrentPosition(0.0);
  item->setRate(1.0);
  item->duration();
  item->run();
  for (int poll = 0; poll < 5000 && !item->hasEnded() && !item->wasRefused(); ++poll) {
    item->currentPosition();
    QThread::msleep(1);
  }
  item->stop();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int items = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
  gst_init(nullptr, nullptr);
  QTemporaryDir dir;
  const QStringList files = makeFiles(dir);
  if (files.isEmpty()) {
    std::fprintf(stderr, "cannot make the test files (is lamemp3enc installed?)\n");
    return 1;
  }
  kd::GstMediaEngine engine;
  std::printf("%6s %6s %9s\n", "items", "fds", "RSS MiB");
  std::printf("%6d %6d %9.1f\n", 0, openDescriptors(), residentMiB());
  for (int i = 1; i <= items; ++i) {
    playThrough(engine, files[i % files.size()]);
    if (i == 10 || i % 100 == 0)
      std::printf("%6d %6d %9.1f\n", i, openDescriptors(), residentMiB());
    std::fflush(stdout);
  }
  std::printf("live pipelines and buses: %d\n", kd::LiveTracedGstObjects());
  return 0;
}
