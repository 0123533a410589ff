// What playing costs: the whole process's CPU time while an MP3 plays into
// "fakesink sync=true" and a 25 ms timer polls the item the way the position
// tick does; the cost of one such poll; and the cost of applying the output
// levels to one MP3 frame's worth of samples.

#include "playback/gst/GstMediaEngine.h"
#include "playback/gst/LevelFilter.h"
#include "playback_gst/MediaFixtures.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

namespace kd {
namespace {

constexpr int kPlaySeconds = 30;

// User plus system CPU time of this process, in seconds.
double processCpuSeconds() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return 0.0;
  const QByteArray line = stat.readAll();
  // Fields after the command name (which may hold blanks) start past ')'.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  // utime and stime are fields 14 and 15 of the whole line: 11 and 12 here.
  const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

const QString& longMp3() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.path() + QStringLiteral("/long.mp3");
    test::EncodeMp3(file, kPlaySeconds + 2);
    return file;
  }();
  return path;
}

// Argument: 1 the tick polls the item, 2 the tick runs but polls nothing,
// 0 no tick at all; the differences show what the tick and the poll cost.
void BM_PlayingMp3ProcessCpu(benchmark::State& state) {
  const int64_t mode = state.range(0);
  const QString& file = longMp3();
  GstMediaEngine engine;
  for (auto _ : state) {
    std::unique_ptr<MediaItem> item = engine.createItem();
    if (!item || !item->renderFile(file)) {
      state.SkipWithError("the MP3 cannot be played");
      return;
    }
    QTimer tick;
    tick.setInterval(25);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      if (mode != 1) return;
      benchmark::DoNotOptimize(item->currentPosition());
      if (item->hasEnded() || item->wasRefused()) tick.stop();
    });
    QElapsedTimer wall;
    const double cpuBefore = processCpuSeconds();
    wall.start();
    item->run();
    if (mode != 0) tick.start();
    QTimer::singleShot(kPlaySeconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double cpu = processCpuSeconds() - cpuBefore;
    const double seconds = wall.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / seconds;
    state.counters["position_s"] = item->currentPosition();
  }
}
BENCHMARK(BM_PlayingMp3ProcessCpu)
    ->ArgName("tick")
    ->Arg(1)
    ->Arg(2)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void BM_PollTick(benchmark::State& state) {
  GstMediaEngine engine;
  std::unique_ptr<MediaItem> item = engine.createItem();
  if (!item || !item->renderFile(longMp3())) {
    state.SkipWithError("the MP3 cannot be played");
    return;
  }
  item->run();
  for (auto _ : state) {
    benchmark::DoNotOptimize(item->currentPosition());
    benchmark::DoNotOptimize(item->hasEnded());
    benchmark::DoNotOptimize(item->wasRefused());
  }
}
BENCHMARK(BM_PollTick);

// The start of an item: a new playbin, preroll, length and tags. Argument 0:
// an MP3 without tags; 1: the same after an ID3v2 tag with a title and a
// 300 x 300 front cover.
void BM_StartItem(benchmark::State& state) {
  static QTemporaryDir dir;
  const QString plain = dir.path() + QStringLiteral("/plain.mp3");
  const QString tagged = dir.path() + QStringLiteral("/tagged.mp3");
  if (!QFile::exists(plain)) {
    test::EncodeMp3(plain, 2.0);
    QImage cover(300, 300, QImage::Format_RGB32);
    cover.fill(Qt::magenta);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    cover.save(&buffer, "JPG");
    QFile in(plain);
    QFile out(tagged);
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
      out.write(test::MakeId3v2TagWithPicture("A title", jpeg) + in.readAll());
  }
  const QString& file = state.range(0) ? tagged : plain;
  GstMediaEngine engine;
  for (auto _ : state) {
    std::unique_ptr<MediaItem> item = engine.createItem();
    if (!item || !item->renderFile(file)) {
      state.SkipWithError("the MP3 cannot be played");
      return;
    }
    benchmark::DoNotOptimize(item->duration());
    benchmark::DoNotOptimize(item->tags());
  }
}
BENCHMARK(BM_StartItem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScaleOneMp3Frame(benchmark::State& state) {
  std::vector<float> samples(2 * 1152, 0.5f);
  auto* bytes = reinterpret_cast<unsigned char*>(samples.data());
  for (auto _ : state) {
    ScaleStereoFloat(bytes, samples.size() * sizeof(float), 0xFFFFFFFEu);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * samples.size() * sizeof(float));
}
BENCHMARK(BM_ScaleOneMp3Frame);

}  // namespace
}  // namespace kd

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("KAVORODECK_AUDIO_SINK"))
    qputenv("KAVORODECK_AUDIO_SINK", "fakesink sync=true");
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
