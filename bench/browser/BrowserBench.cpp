// The playlist browser on a folder of 5,000 playlists: opening it until the
// first page is fully shown (budget 300 ms), and a page change until every
// cover of the new page shows, with 1000 x 1000 JPEG covers (budget 100 ms,
// warm cache). Cells are the size a maximised 1280 x 1024 window gives them.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include "browser/PlaylistBrowser.h"
#include "core/Commands.h"
#include "mediainfo/PictureLoader.h"

using namespace kd;

namespace {

constexpr int kPlaylists = 5000;
constexpr int kCoveredPages = 3;
constexpr QSize kCellSize(227, 227);

class NoCommands : public CommandExecutor {
 public:
  using CommandExecutor::execute;
  void execute(int, const CommandArgument&) override {}
};

// A cover that costs what a photographed one does to decode: gradients and noise.
void WriteCover(const QString& path, int seed) {
  QImage image(1000, 1000, QImage::Format_RGB32);
  QRandomGenerator random(seed);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      line[x] = qRgb((x + seed * 7) % 256, (y + seed * 3) % 256, random.bounded(256));
  }
  image.save(path, "JPG", 85);
}

// Made once; later runs reuse it.
QString Folder() {
  static const QString folder = [] {
    const QString base = QDir::tempPath() + QStringLiteral("/kd-bench-browser/");
    const QString lists = base + QStringLiteral("lists/");
    const QString done = base + QStringLiteral("lists.complete");
    if (QFileInfo::exists(done)) return lists;
    QDir(lists).removeRecursively();
    QDir().mkpath(lists);
    for (int i = 0; i < kPlaylists; ++i) {
      const QString name = lists + QStringLiteral("Album %1").arg(i, 4, 10, QLatin1Char('0'));
      QFile list(name + QStringLiteral(".m3u"));
      if (list.open(QIODevice::WriteOnly))
        list.write(
            QStringLiteral("#EXTM3U\r\n01 - Song %1.mp3\r\n02 - Song.mp3\r\n").arg(i).toUtf8());
      if (i < kCoveredPages * 16) WriteCover(name + QStringLiteral(".jpg"), i);
    }
    QFile(done).open(QIODevice::WriteOnly);
    return lists;
  }();
  return folder;
}

void WaitIdle(PlaylistBrowser& browser) {
  if (!browser.isBusy()) return;
  QEventLoop loop;
  QObject::connect(&browser, &PlaylistBrowser::busyChanged, &loop, [&loop](bool busy) {
    if (!busy) loop.quit();
  });
  loop.exec();
}

void BM_OpenFirstPage(benchmark::State& state) {
  const QString folder = Folder();
  NoCommands commands;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    PlaylistBrowser browser({}, commands);
    browser.setCellSize(kCellSize);
    browser.scanFolder(folder);
    WaitIdle(browser);
    state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    if (browser.entries().size() != kPlaylists) state.SkipWithError("wrong entry count");
  }
}
BENCHMARK(BM_OpenFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PageChange(benchmark::State& state) {
  NoCommands commands;
  PlaylistBrowser browser({}, commands);
  browser.setCellSize(kCellSize);
  browser.scanFolder(Folder());
  WaitIdle(browser);
  int step = 1;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    step > 0 ? browser.nextPage() : browser.previousPage();
    WaitIdle(browser);
    state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    if (browser.page() == 0 || browser.page() == kCoveredPages - 1) step = -step;
  }
}
BENCHMARK(BM_PageChange)->UseManualTime()->Unit(benchmark::kMillisecond);

// One 1000 x 1000 JPEG decoded to a cell, the fast way (1) or the careful way (0).
void BM_DecodeCover(benchmark::State& state) {
  const QString cover = Folder() + QStringLiteral("Album 0000.jpg");
  PictureLimits limits;
  limits.maxSide = kCellSize.width();
  limits.fastScaling = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(cover, limits));
}
BENCHMARK(BM_DecodeCover)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
