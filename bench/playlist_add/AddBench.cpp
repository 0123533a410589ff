// Adding media: a large folder tree dropped on the playlist until the last
// entry is in the model (budget 250 ms with a warm cache), the scan alone, and
// reading a 30,000-entry M3U.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "core/Dialogs.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "playlist/FolderScan.h"
#include "playlist/FolderScanner.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"

using namespace kd;

namespace {

constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 100;
constexpr int kFiles = kFolders * kFilesPerFolder;
constexpr int kListEntries = 30000;

// 10 artist folders of 19 albums each, plus the artist folders themselves:
// 200 folders holding 100 files each. Made once; later runs reuse it.
QString Tree() {
  static const QString root = [] {
    const QString base = QDir::tempPath() + QStringLiteral("/kd-bench-adding/");
    const QString tree = base + QStringLiteral("tree/");
    const QString done = base + QStringLiteral("tree.complete");
    if (QFileInfo::exists(done)) return tree;
    QDir(tree).removeRecursively();
    int folderNo = 0;
    auto fill = [](const QString& folder, int folderNo) {
      QDir().mkpath(folder);
      for (int t = 1; t <= kFilesPerFolder; ++t) {
        QFile f(folder + QStringLiteral("%1 - Artist_%2 - Song.Title %3.mp3")
                             .arg(t, 2, 10, QLatin1Char('0'))
                             .arg(folderNo)
                             .arg(t));
        (void)f.open(QIODevice::WriteOnly);
      }
    };
    for (int a = 0; a < 10; ++a) {
      const QString artist = tree + QStringLiteral("Artist %1/").arg(a);
      fill(artist, folderNo++);
      for (int b = 0; b < 19; ++b) fill(artist + QStringLiteral("专辑 %1/").arg(b), folderNo++);
    }
    QFile(done).open(QIODevice::WriteOnly);
    return tree;
  }();
  return root;
}

QString BigList() {
  static const QString file = [] {
    const QString path = QDir::tempPath() + QStringLiteral("/kd-bench-adding/big.m3u");
    QByteArray text;
    for (int i = 0; i < kListEntries; ++i) {
      text += QStringLiteral("音乐/Artist_%1 - 专辑/%2 - Some_Song.Title.mp3\r\n")
                  .arg(i % 97)
                  .arg(i % 100, 2, 10, QLatin1Char('0'))
                  .toUtf8();
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return path;
  }();
  return file;
}

void BM_DropFolderTree(benchmark::State& state) {
  const QString tree = Tree();
  Settings settings;
  IniStore store;
  CancellingDialogs dialogs;  // drops ask nothing
  for (auto _ : state) {
    auto playlist = std::make_unique<Playlist>();
    FolderScanner scanner(*playlist);
    MediaAdder adder({*playlist, settings, store, scanner, dialogs, [] {}});
    QEventLoop loop;
    QObject::connect(&scanner, &FolderScanner::finished, &loop, &QEventLoop::quit);
    adder.addDropped({tree});
    if (scanner.isBusy()) loop.exec();
    if (playlist->count() != kFiles) state.SkipWithError("entries missing");
    state.PauseTiming();
    playlist.reset();
    state.ResumeTiming();
  }
  state.counters["entries"] = kFiles;
}
BENCHMARK(BM_DropFolderTree)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScanDirOnly(benchmark::State& state) {
  const QString tree = Tree();
  ScanOptions options;
  options.extensions = QStringLiteral("mp2 mp3 mpa wav mid rmi");
  for (auto _ : state) {
    const QList<PlaylistEntry> entries = ScanDir(tree, options);
    if (entries.size() != kFiles) state.SkipWithError("entries missing");
    benchmark::DoNotOptimize(entries.data());
  }
}
BENCHMARK(BM_ScanDirOnly)->Unit(benchmark::kMillisecond);

void BM_PlReadLargeM3u(benchmark::State& state) {
  const QString file = BigList();
  for (auto _ : state) {
    auto playlist = std::make_unique<Playlist>();
    PlRead(*playlist, file, PlaylistReadOptions{true});
    if (playlist->count() != kListEntries) state.SkipWithError("entries missing");
    state.PauseTiming();
    playlist.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlReadLargeM3u)->Unit(benchmark::kMillisecond);

}  // namespace
