// Reading and writing full-size playlists, and the display-name rule.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "playlist/FriendlyName.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "playlist/PlaylistWriter.h"

using namespace kd;

namespace {

// About 80 characters, Chinese and Latin, with friendly-name work to do.
QString EntryPath(const QString& folder, int i) {
  return folder + QStringLiteral("音乐收藏/Artist_Name - 专辑 %1/%2 - Some_Song.Title 第%1首.mp3")
                      .arg(i % 97)
                      .arg(i % 100, 2, 10, QLatin1Char('0'));
}

struct Fixture {
  QTemporaryDir dir;
  QString folder = dir.path() + QLatin1Char('/');
  QList<PlaylistEntry> entries;

  Fixture() {
    entries.reserve(Playlist::kMaxEntries);
    for (int i = 0; i < Playlist::kMaxEntries; ++i) {
      const QString p = EntryPath(folder, i);
      entries.append({FriendlyName(p, true), p});
    }
  }
  QString write(const QString& name) const {
    const QString file = folder + name;
    QFile f(file);
    if (f.open(QIODevice::WriteOnly)) f.write(FormatPlaylist(entries, file));
    return file;
  }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void ReadFull(benchmark::State& state, const QString& name) {
  const QString file = Shared().write(name);
  for (auto _ : state) {
    auto pl = std::make_unique<Playlist>();
    PlRead(*pl, file, PlaylistReadOptions{true});
    if (pl->count() != Playlist::kMaxEntries) state.SkipWithError("short read");
    benchmark::DoNotOptimize(pl->entries().data());
    // Freeing the playlist is not part of reading it.
    state.PauseTiming();
    pl.reset();
    state.ResumeTiming();
  }
}

void BM_PlReadM3u(benchmark::State& state) {
  ReadFull(state, QStringLiteral("full.m3u"));
}
BENCHMARK(BM_PlReadM3u)->Unit(benchmark::kMillisecond);

void BM_PlReadPls(benchmark::State& state) {
  ReadFull(state, QStringLiteral("full.pls"));
}
BENCHMARK(BM_PlReadPls)->Unit(benchmark::kMillisecond);

void BM_WritePL(benchmark::State& state) {
  Playlist pl;
  pl.appendBatch(Shared().entries);
  const QString file = Shared().folder + QStringLiteral("out.m3u");
  for (auto _ : state) {
    if (!WritePL(pl, file, nullptr)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WritePL)->Unit(benchmark::kMillisecond);

void BM_FriendlyName(benchmark::State& state) {
  const QString path =
      QStringLiteral("/home/user/Music/Artist/Album (2004)/07 - Some_Song.Title.mp3");
  for (auto _ : state) benchmark::DoNotOptimize(FriendlyName(path, true));
}
BENCHMARK(BM_FriendlyName);

}  // namespace

BENCHMARK_MAIN();
