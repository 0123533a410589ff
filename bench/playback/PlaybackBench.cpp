// The cost of one position tick while an item plays: the engine position is
// read, the time text is rebuilt once a second and the position knob moves on
// every tick.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "playback/PlayerState.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playlist/Playlist.h"
#include "tests/playback/FakeMediaEngine.h"
#include "util/MessageSink.h"

namespace {

// A view that keeps only what a skinned window keeps: the last texts.
class QuietView : public kd::PlayerView {
 public:
  void SetLabel(int index, const QString& text) override { m_labels[index] = text; }
  QString LabelText(int index) const override { return m_labels[index]; }
  void SetDD(int, double value) override { benchmark::DoNotOptimize(value); }
  void SetDD(int, const QString& value) override { benchmark::DoNotOptimize(value.size()); }
  void ShowLights(const kd::ModeFlags&) override {}
  void SetSliderPos(int, float value) override { benchmark::DoNotOptimize(value); }
  void ShowSlider(int) override {}
  void HideSlider(int) override {}
  bool IsSliderVisible(int) const override { return true; }

 private:
  QString m_labels[51];
};

class NoMessages : public kd::MessageSink {
 public:
  void ShowMessage(const QString&) override {}
};

void BM_TickWhilePlaying(benchmark::State& bench) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/song.wav";
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    bench.SkipWithError("cannot write the media file");
    return;
  }
  file.write("RIFF");
  file.close();

  kd::test::FakeClock clock;
  kd::test::FakeMediaEngine engine(&clock);
  engine.script(path, {.duration = 1e9});
  QuietView view;
  kd::Playlist playlist;
  playlist.append({"Song", path});
  kd::PlayerState state;
  kd::Settings settings;
  NoMessages messages;
  kd::CoverHooks covers;
  kd::PositionTimer timer([&clock] { return clock.now; });
  kd::Transport transport(state, playlist, view, engine, timer, messages, covers, settings);
  kd::PositionTick tick(transport, view, timer);
  transport.PlayIt();
  timer.stop();  // the benchmark drives the ticks itself

  for (auto _ : bench) {
    clock.now += kd::PositionTimer::kIntervalMs / 1000.0;
    tick.Tick();
  }
  if (playlist.TNum() != 1 || !state.flags.Playing) bench.SkipWithError("the item did not play");
}
BENCHMARK(BM_TickWhilePlaying);

}  // namespace
