// Speed of the skin engine: loading a whole skin, the colour-key shape, and
// drawing a display's cells into the window's back buffer.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "skin/DisplayText.h"
#include "skin/SkinLoader.h"
#include "skin/WindowShape.h"
#include "util/AppPaths.h"

namespace {

using namespace kd;

constexpr QRgb kKey = 0xFFFF00FFu;

// The default skin painted by the build into the program folder.
void BM_LoadDefaultSkin(benchmark::State& state) {
  const SkinLoadEnvironment env = SkinLoadEnvironment::forProgram();
  const SkinLoader loader(env);
  if (FindProgramFile(QStringLiteral("default.skin")).isEmpty()) {
    state.SkipWithError("default.skin not built (build the kd_data target)");
    return;
  }
  for (auto _ : state) {
    SkinDocument doc = loader.loadSkin(QStringLiteral("default.skin"));
    if (doc.outcome != SkinLoadOutcome::Loaded || !doc.messages.isEmpty()) {
      state.SkipWithError("default.skin did not load cleanly");
      return;
    }
    benchmark::DoNotOptimize(doc);
  }
}
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMillisecond);

// A skin picture: a face with rounded, key-coloured corners and a few holes.
QImage SkinLikePicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 3 % 256, 90));
  }
  constexpr int kRadius = 12;
  for (int y = 0; y < kRadius; ++y) {
    for (int x = 0; x < kRadius; ++x) {
      const int dx = kRadius - x;
      const int dy = kRadius - y;
      if (dx * dx + dy * dy <= kRadius * kRadius) continue;
      image.setPixel(x, y, kKey);
      image.setPixel(width - 1 - x, y, kKey);
      image.setPixel(x, height - 1 - y, kKey);
      image.setPixel(width - 1 - x, height - 1 - y, kKey);
    }
  }
  for (int y = height / 2; y < height / 2 + 20; ++y) {
    for (int x = 40; x < 60; ++x) image.setPixel(x, y, kKey);
  }
  return image;
}

// The classic test skin (buttons, labels, displays, sliders, lights, a
// colour key) with 400x300 bitmaps.
void BM_LoadClassicSkin(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = dir.path() + QLatin1Char('/');
  QFile::copy(QStringLiteral(KD_SKIN_TEST_DATA "/classic.skin"), folder + "classic.skin");
  SkinLikePicture(400, 300).save(folder + "classic_main.bmp", "BMP");
  SkinLikePicture(400, 200).save(folder + "classic_res.bmp", "BMP");
  SkinLoadEnvironment env;
  env.skinPath = folder;
  const SkinLoader loader(env);
  for (auto _ : state) {
    SkinDocument doc = loader.loadSkin(QStringLiteral("classic.skin"));
    if (doc.outcome != SkinLoadOutcome::Loaded || !doc.messages.isEmpty()) {
      state.SkipWithError("classic.skin did not load cleanly");
      return;
    }
    benchmark::DoNotOptimize(doc);
  }
}
BENCHMARK(BM_LoadClassicSkin)->Unit(benchmark::kMillisecond);

// The worst case for a region: every other pixel is the key, shifted by one
// on every row, so no two rows share their runs.
void BM_RegionFromColorFullHdCheckered(benchmark::State& state) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = ((x + y) & 1) ? kKey : 0xFF204060u;
  }
  for (auto _ : state) {
    QRegion region = RegionFromColor(image, kKey);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(BM_RegionFromColorFullHdCheckered)->Unit(benchmark::kMillisecond);

void BM_RegionFromColorSkinLike(benchmark::State& state) {
  const QImage image = SkinLikePicture(400, 300);
  for (auto _ : state) {
    QRegion region = RegionFromColor(image, kKey);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(BM_RegionFromColorSkinLike)->Unit(benchmark::kMicrosecond);

// One redraw of a 20-cell title: scroll step, layout and the copies into the
// back buffer the window paints from.
void BM_TitleCellsIntoBackBuffer(benchmark::State& state) {
  const QImage resource = SkinLikePicture(320, 200);
  QImage backBuffer(440, 480, QImage::Format_ARGB32_Premultiplied);
  backBuffer.fill(0xFF000000u);
  DisplayDef def;
  def.SrcX = 2;
  def.SrcY = 24;
  def.CellWidth = 7;
  def.CellHeight = 11;
  def.FontKind = static_cast<int16_t>(state.range(0));
  def.Format = 20;
  const QString title = QStringLiteral("Artist Name - A Rather Long Song Title (Live)");
  int16_t scrollStart = 1;
  for (auto _ : state) {
    const QString shown = ScrollTitle(title, def.Format, scrollStart);
    const std::vector<GlyphCell> cells = LayoutCells(def, shown, 0);
    PaintCells(backBuffer, QPoint(86, 10), resource, cells);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TitleCellsIntoBackBuffer)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
