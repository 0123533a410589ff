// Saving a tag into a 200 MB file: the cost must not grow with the file, since
// only the last 128 bytes are read and the tag's own bytes written (and
// flushed to disk).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "mediainfo/Id3v1.h"
#include "mediainfo/Id3v1File.h"

namespace {

using namespace kd;

constexpr qint64 kFileSize = 200LL * 1024 * 1024;

// 200 MB of written (not sparse) bytes, ending in a tag when asked.
QString makeFile(const QString& name, bool withTag) {
  static QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/') + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  const QByteArray block(1024 * 1024, '\x5A');
  for (qint64 written = 0; written < kFileSize; written += block.size()) file.write(block);
  if (withTag) file.write(BuildId3v1(ID3Info()));
  return path;
}

QByteArray tagTitled(int n) {
  ID3Info info;
  info.Title = QStringLiteral("Title %1").arg(n);
  info.Artist = QString::fromUtf8("艺术家");
  info.Track = 7;
  info.Genre = 17;
  return BuildId3v1(info);
}

void BM_SaveTag_200MB_Update(benchmark::State& state) {
  const QString path = makeFile(QStringLiteral("tagged.mp3"), true);
  const QByteArray tags[2] = {tagTitled(1), tagTitled(2)};
  int n = 0;
  for (auto _ : state) {
    if (SaveId3v1File(path, tags[n++ % 2]) != TagSaveResult::Updated) {
      state.SkipWithError("tag not updated");
    }
  }
}
BENCHMARK(BM_SaveTag_200MB_Update)->Unit(benchmark::kMillisecond);

// Appending; the appended tag is cut off again outside the measurement.
void BM_SaveTag_200MB_Add(benchmark::State& state) {
  const QString path = makeFile(QStringLiteral("untagged.mp3"), false);
  const QByteArray tag = tagTitled(1);
  for (auto _ : state) {
    if (SaveId3v1File(path, tag) != TagSaveResult::Added) state.SkipWithError("tag not added");
    state.PauseTiming();
    if (::truncate(QFile::encodeName(path).constData(), kFileSize) != 0) {
      state.SkipWithError("cannot cut the tag off");
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveTag_200MB_Add)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
