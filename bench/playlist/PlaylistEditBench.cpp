// The edits a user makes on a full playlist (32,766 entries), on the model
// alone: each is to stay far below 10 ms. bench_skin_widgets measures the
// same edits with the playlist box showing the list.
#include <benchmark/benchmark.h>

#include "bench/playlist/FullListEdits.h"

using namespace kd;
using namespace kd::bench;

namespace {

void BM_RemoveEntry(benchmark::State& state) {
  const int row = static_cast<int>(state.range(0));
  Playlist pl;
  pl.appendBatch(FullListEntries());
  for (auto _ : state) {
    pl.removeEntry(row);
    state.PauseTiming();
    pl.append(OwnEntry(row));  // full again for the next run
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RemoveEntry)
    ->Arg(kFirstRow)
    ->Arg(kMiddleRow)
    ->Arg(kLastRow)
    ->Unit(benchmark::kMicrosecond);

// The selected entry moves one place, down and back up in turns (the last
// entry up and back down).
void BM_MoveSelected(benchmark::State& state) {
  const int row = static_cast<int>(state.range(0));
  Playlist pl;
  pl.appendBatch(FullListEntries());
  pl.setSelectedIndex(row);
  int step = row == kLastRow ? -1 : 1;
  for (auto _ : state) {
    pl.moveSelected(step);
    step = -step;
  }
}
BENCHMARK(BM_MoveSelected)
    ->Arg(kFirstRow)
    ->Arg(kMiddleRow)
    ->Arg(kLastRow)
    ->Unit(benchmark::kMicrosecond);

void BM_ClearFullList(benchmark::State& state) {
  Playlist pl;
  for (auto _ : state) {
    state.PauseTiming();
    pl.appendBatch(FullListEntries());
    state.ResumeTiming();
    pl.clear();
  }
}
// Refilling the list between runs takes far longer than the clear itself.
BENCHMARK(BM_ClearFullList)->Iterations(20)->Unit(benchmark::kMicrosecond);

}  // namespace
