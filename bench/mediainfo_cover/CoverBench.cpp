// Finding and loading a track's cover the way playback does it for every
// MPEG audio file: the naming rules in a folder of songs, then the picture.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "core/Dialogs.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/SkinCoverSink.h"
#include "util/AppPaths.h"

namespace {

class NullSkin : public kd::SkinCoverSink {
 public:
  bool isCoverImageVisible() const override { return true; }
  void showCoverImage(const QImage& picture) override { benchmark::DoNotOptimize(picture.bits()); }
  void clearCoverImage() override {}
};

// A music folder: 40 songs and a 1000 x 1000 cover named in another case
// than the tag spells it, so the search has to list the folder.
struct MusicFolder {
  QTemporaryDir dir;
  QString path;
  MusicFolder() : path(dir.path()) {
    for (int i = 1; i <= 40; ++i) {
      QFile song(path + QStringLiteral("/%1 - Song %1.mp3").arg(i, 2, 10, QLatin1Char('0')));
      if (song.open(QIODevice::WriteOnly)) song.write(QByteArray(1024, '\0'));
    }
    QImage picture(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        line[x] = qRgb((x * 7 + y) & 255, (y * 3) & 255, ((x ^ y) * 5) & 255);
      }
    }
    picture.save(path + QStringLiteral("/the artist - THE ALBUM.jpg"), "JPG", 90);
  }
};

void BM_LoadTagCoverJpeg1000(benchmark::State& state) {
  MusicFolder folder;
  NullSkin skin;
  kd::CancellingDialogs dialogs;
  kd::CoverArt cover(dialogs);
  cover.setSkinSink(&skin);
  for (auto _ : state) {
    cover.playlistCleared();  // forget the picture, so it is loaded every time
    cover.loadTagCover(folder.path, QStringLiteral("The Artist"), QStringLiteral("The Album"));
  }
  if (cover.lastCover().isEmpty()) state.SkipWithError("cover not found");
}
BENCHMARK(BM_LoadTagCoverJpeg1000)->Unit(benchmark::kMillisecond);

// The naming rules alone when no picture matches and no default exists.
void BM_LoadTagCoverNoPicture(benchmark::State& state) {
  MusicFolder folder;
  QTemporaryDir program;
  kd::SetProgramFolderOverride(program.path());
  NullSkin skin;
  kd::CancellingDialogs dialogs;
  kd::CoverArt cover(dialogs);
  cover.setSkinSink(&skin);
  for (auto _ : state) {
    cover.loadTagCover(folder.path, QStringLiteral("Nobody"), QStringLiteral("Nothing"));
  }
  kd::SetProgramFolderOverride(QString());
}
BENCHMARK(BM_LoadTagCoverNoPicture)->Unit(benchmark::kMicrosecond);

// A 3000 x 3000 picture embedded in a file: what the interface thread spends
// handing it over ("ui_ms") and how long until the decoded cover shows.
void BM_EmbeddedCover3000(benchmark::State& state) {
  QImage picture(3000, 3000, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
  }
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "JPG", 90);
  QTemporaryDir empty;
  NullSkin skin;
  kd::CancellingDialogs dialogs;
  kd::CoverArt cover(dialogs);
  cover.setSkinSink(&skin);
  double uiMs = 0;
  for (auto _ : state) {
    QElapsedTimer ui;
    ui.start();
    cover.loadTrackCover({empty.path(), QString(), QString(), jpeg});
    uiMs += ui.nsecsElapsed() / 1e6;
    while (cover.isDecoding()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  state.counters["ui_ms"] = uiMs / double(state.iterations());
}
BENCHMARK(BM_EmbeddedCover3000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
