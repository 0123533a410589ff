// Speed of the skinned window: applying the default skin to it, the display
// and knob updates the timers make many times a second, and repainting the
// whole window from its back buffer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ClassicTestSupport.h"
#include "skin/SkinLoader.h"
#include "skin/widgets/SkinWindow.h"
#include "util/AppPaths.h"

namespace {

using namespace kd;

// The default skin painted by the build into the program folder, loaded once.
const SkinDocument* DefaultSkin() {
  static const SkinDocument doc = [] {
    if (FindProgramFile(QStringLiteral("default.skin")).isEmpty()) return SkinDocument{};
    return SkinLoader(SkinLoadEnvironment::forProgram()).loadSkin(QStringLiteral("default.skin"));
  }();
  return doc.outcome == SkinLoadOutcome::Loaded ? &doc : nullptr;
}

struct SkinnedWindow {
  SkinnedWindow() {
    window.setScreenOverride(QRect(0, 0, 1920, 1080), TwipScale{});
    window.applySkin(*DefaultSkin());
    window.show();
  }
  SkinWindow window;
};

void BM_ApplyDefaultSkin(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  SkinnedWindow skinned;
  for (auto _ : state) skinned.window.applySkin(*DefaultSkin());
}
BENCHMARK(BM_ApplyDefaultSkin)->Unit(benchmark::kMillisecond);

// A typical classic skin archive: 14 bitmaps, main.bmp and titlebar.bmp
// drawn with noise so that the archive is about 100 KB, as real ones are.
QString TypicalClassicSkin(const QTemporaryDir& dir) {
  test::ZipEntries entries = test::GeneratedClassicSkin().entries(QStringLiteral("Skin/"));
  QRandomGenerator random(17);
  const auto noisy = [&](int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) picture.setPixel(x, y, qRgb(x + y, 60, random.bounded(12)));
    }
    return test::BmpBytes(picture);
  };
  for (auto& [name, bytes] : entries) {
    if (name.endsWith(QLatin1String("main.bmp")) || name.endsWith(QLatin1String("titlebar.bmp"))) {
      bytes = noisy(name.endsWith(QLatin1String("main.bmp")) ? 275 : 344, 116);
    }
  }
  entries << qMakePair(QStringLiteral("Skin/eqmain.bmp"), noisy(275, 315));
  entries << qMakePair(QStringLiteral("Skin/pledit.bmp"), noisy(280, 186));
  entries << qMakePair(QStringLiteral("Skin/pledit.txt"), QByteArray("[Text]\nNormal=#00FF00\n"));
  const QString path = dir.filePath(QStringLiteral("typical.wsz"));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(test::ZipBytes(entries));
  return path;
}

void BM_LoadAndApplyClassicSkin(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  QTemporaryDir dir;
  const QString path = TypicalClassicSkin(dir);
  state.counters["archive_kb"] = double(QFileInfo(path).size()) / 1024;
  SkinnedWindow skinned;
  const SkinLoader loader(SkinLoadEnvironment::forProgram());
  for (auto _ : state) skinned.window.applySkin(loader.loadSkin(path));
}
BENCHMARK(BM_LoadAndApplyClassicSkin)->Unit(benchmark::kMillisecond);

// The position tick's time display (digit strip, minutes and seconds).
void BM_TimeDisplay(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  SkinnedWindow skinned;
  int seconds = 0;
  for (auto _ : state) skinned.window.drawDisplay(kDisplayTime, double(seconds++ % 6000));
}
BENCHMARK(BM_TimeDisplay);

// The clock tick's scrolling title (letter font, 21 cells).
void BM_ScrollingTitle(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  SkinnedWindow skinned;
  skinned.window.setScrollName(1);
  const QString title = QStringLiteral("Kavoro Deck - A Rather Long Sample Track Title");
  for (auto _ : state) skinned.window.drawDisplay(kDisplayTitle, title);
}
BENCHMARK(BM_ScrollingTitle);

// The position knob moving one pixel per call, as during playback.
void BM_PositionKnob(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  SkinnedWindow skinned;
  int step = 0;
  for (auto _ : state) skinned.window.placeKnob(kSliderPosition, float(step++ % 397) / 396.f);
}
BENCHMARK(BM_PositionKnob);

// A full repaint of the window with all its elements.
void BM_RenderWindow(benchmark::State& state) {
  if (DefaultSkin() == nullptr) return state.SkipWithError("default.skin not built");
  SkinnedWindow skinned;
  QPixmap target(skinned.window.size());
  for (auto _ : state) skinned.window.render(&target);
}
BENCHMARK(BM_RenderWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
