// ReadMp3Facts on 10 MB files: it must cost the same whatever the file's size,
// since only the tag headers, one window of audio and the last 128 bytes are read.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "mediainfo/Mp3Info.h"
#include "mediainfo/MpegHeader.h"
#include "util/TextCodec.h"

namespace {

using namespace kd;

constexpr qint64 kFileSize = 10 * 1024 * 1024;

QByteArray id3v2(int bodySize) {
  QByteArray tag("ID3\x03\x00\x00", 6);
  for (int shift = 21; shift >= 0; shift -= 7) tag.append(char((bodySize >> shift) & 0x7F));
  return tag + QByteArray(bodySize, '\x11');
}

QByteArray id3v1() {
  QByteArray tag("TAG");
  tag += EncodeLegacy(QString::fromUtf8("中文歌曲标题"), 30).leftJustified(30, '\0');
  tag += QByteArray("Artist").leftJustified(30, ' ');
  tag += QByteArray("Album").leftJustified(30, ' ');
  tag += "2001";
  tag += QByteArray(29, '\0');
  tag += '\x05';
  tag += '\x0D';
  return tag;
}

// MPEG-1 layer III, 128 kbit/s, 44.1 kHz, joint stereo frames with a body
// of arbitrary bytes that hold no 0xFF.
QByteArray audio(qint64 size, bool withFrames) {
  QByteArray bytes(size, '\0');
  for (qint64 i = 0; i < size; ++i) bytes[i] = char((i * 131) % 251);
  if (withFrames) {
    for (qint64 at = 0; at + 4 <= size; at += 417) bytes.replace(at, 4, "\xFF\xFB\x90\x40", 4);
  }
  return bytes;
}

QString makeFile(const QString& name, bool withFrames) {
  static QTemporaryDir dir;
  const QString path = dir.path() + QLatin1Char('/') + name;
  const QByteArray head = id3v2(300 * 1024);
  const QByteArray tail = id3v1();
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(head);
    file.write(audio(kFileSize - head.size() - tail.size(), withFrames));
    file.write(tail);
  }
  return path;
}

void BM_ReadMp3Facts_10MB(benchmark::State& state) {
  const QString path = makeFile(QStringLiteral("song.mp3"), true);
  for (auto _ : state) {
    const std::optional<Mp3Facts> facts = ReadMp3Facts(path);
    if (!facts || !facts->header.found || !facts->tag.present)
      state.SkipWithError("fixture not recognised");
    benchmark::DoNotOptimize(facts);
  }
}
BENCHMARK(BM_ReadMp3Facts_10MB)->Unit(benchmark::kMicrosecond);

// No frame anywhere: the whole 64 KiB window is searched.
void BM_ReadMp3Facts_10MB_NoFrame(benchmark::State& state) {
  const QString path = makeFile(QStringLiteral("noise.mp3"), false);
  for (auto _ : state) {
    const std::optional<Mp3Facts> facts = ReadMp3Facts(path);
    if (!facts || facts->header.found) state.SkipWithError("noise taken for a frame");
    benchmark::DoNotOptimize(facts);
  }
}
BENCHMARK(BM_ReadMp3Facts_10MB_NoFrame)->Unit(benchmark::kMicrosecond);

// The pure search over a window of lone 0xFF bytes: every byte a candidate.
void BM_FindFirstFrame_EverySyncFalse(benchmark::State& state) {
  QByteArray window(kSyncSearchLimit + kFrameCheckSpan, '\0');
  for (qsizetype i = 0; i + 4 <= window.size(); i += 4) window.replace(i, 4, "\xFF\xFB\x90\x40", 4);
  for (auto _ : state) benchmark::DoNotOptimize(FindFirstFrame(window));
}
BENCHMARK(BM_FindFirstFrame_EverySyncFalse)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
