// The cost of one position tick while an item plays: the engine position is
// read into the model, and the skin presenter rebuilds the time text once a
// second and moves the position knob on every tick.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playlist/Playlist.h"
#include "skin/SkinPresenter.h"
#include "skin/SkinView.h"
#include "tests/playback/FakeMediaEngine.h"
#include "util/MessageSink.h"

namespace {

// A view that keeps only what a skinned window keeps: the last texts.
class QuietView : public kd::SkinView {
 public:
  void setLabelText(int index, const QString& text) override { m_labels[index] = text; }
  void drawDisplay(int, double value) override { benchmark::DoNotOptimize(value); }
  void drawDisplay(int, const QString& text) override { benchmark::DoNotOptimize(text.size()); }
  bool titleScrolls(const QString&) const override { return false; }
  void showLights(const kd::LightStates&) override {}
  void placeKnob(int, float value) override { benchmark::DoNotOptimize(value); }
  void setKnobShown(int, bool) override {}
  void setDisplayRedraw(std::function<void()>) override {}

 private:
  QString m_labels[51];
};

class NoMessages : public kd::MessageSink {
 public:
  void showMessage(const QString&) override {}
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
  kd::PlayerModel model;
  kd::SkinPresenter presenter(model, playlist, view);
  kd::Settings settings;
  NoMessages messages;
  kd::CoverHooks covers;
  kd::PositionTimer timer([&clock] { return clock.now; });
  kd::Transport transport(model, playlist, engine, timer, messages, covers, settings);
  kd::PositionTick tick(transport, timer, kd::DefaultRandomSource());
  transport.play();
  timer.stop();  // the benchmark drives the ticks itself

  for (auto _ : bench) {
    clock.now += kd::PositionTimer::kIntervalMs / 1000.0;
    tick.tick();
  }
  if (playlist.currentEntry() != 1 || !model.isActive())
    bench.SkipWithError("the item did not play");
}
BENCHMARK(BM_TickWhilePlaying);

}  // namespace
