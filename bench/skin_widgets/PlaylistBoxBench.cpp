// The edits a user makes on a full playlist (32,766 entries) while the
// skin's playlist box shows it: the model's change, the box following it and
// the repaint that the event loop then does. Each is to stay under 10 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/playlist/FullListEdits.h"
#include "skin/widgets/PlaylistBox.h"

namespace {

using namespace kd;
using namespace kd::bench;

// A shown playlist box on a full list, scrolled to `row` and with it selected.
struct ShownFullList {
  explicit ShownFullList(int row = kFirstRow) {
    playlist.appendBatch(FullListEntries());
    box.setPlaylist(&playlist);
    box.resize(280, 180);
    box.show();
    playlist.setSelectedIndex(row);
    settle();
  }
  // The box's delayed layout and its repaint.
  static void settle() { QCoreApplication::processEvents(); }

  Playlist playlist;
  PlaylistBox box{nullptr};
};

void BM_BoxRemoveEntry(benchmark::State& state) {
  const int row = static_cast<int>(state.range(0));
  ShownFullList shown(row);
  for (auto _ : state) {
    shown.playlist.removeEntry(row);
    ShownFullList::settle();
    state.PauseTiming();
    shown.playlist.append(OwnEntry(row));
    shown.playlist.setSelectedIndex(row);
    ShownFullList::settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BoxRemoveEntry)
    ->Arg(kFirstRow)
    ->Arg(kMiddleRow)
    ->Arg(kLastRow)
    ->Unit(benchmark::kMicrosecond);

void BM_BoxMoveSelected(benchmark::State& state) {
  const int row = static_cast<int>(state.range(0));
  ShownFullList shown(row);
  int step = row == kLastRow ? -1 : 1;
  for (auto _ : state) {
    shown.playlist.moveSelected(step);
    ShownFullList::settle();
    step = -step;
  }
}
BENCHMARK(BM_BoxMoveSelected)
    ->Arg(kFirstRow)
    ->Arg(kMiddleRow)
    ->Arg(kLastRow)
    ->Unit(benchmark::kMicrosecond);

void BM_BoxClearFullList(benchmark::State& state) {
  ShownFullList shown;
  for (auto _ : state) {
    shown.playlist.clear();
    ShownFullList::settle();
    state.PauseTiming();
    shown.playlist.appendBatch(FullListEntries());
    ShownFullList::settle();
    state.ResumeTiming();
  }
}
// Refilling the list between runs takes far longer than the clear itself.
BENCHMARK(BM_BoxClearFullList)->Iterations(20)->Unit(benchmark::kMicrosecond);

}  // namespace
