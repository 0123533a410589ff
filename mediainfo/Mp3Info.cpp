#include "mediainfo/Mp3Info.h"

#include <QFile>
#include <algorithm>

#include "mediainfo/Id3v1.h"
#include "mediainfo/MpegHeader.h"
#include "util/Paths.h"

namespace kd {

namespace {

// Shorter files are not examined at all.
constexpr qint64 kMinimumFileSize = 256;

// The examination shared by files and bytes in memory. `readAt(pos, len)`
// returns up to `len` bytes from `pos`; only the last 128 bytes, the ID3v2
// tag headers and one window of audio are asked for.
template <class ReadAt>
MpegHeaderInfo examine(qint64 size, ReadAt&& readAt, ID3Info& info, const QByteArray& codepage) {
  ParseId3v1(readAt(size - id3v1::kSize, id3v1::kSize), info, codepage);
  // A tag at the end is no audio: a lone frame before it is still accepted.
  const qint64 audioEnd = size - (info.present ? id3v1::kSize : 0);

  // Skip the ID3v2 tags (one after the other when stacked) by their headers
  // alone: a tag may be many megabytes of pictures.
  qint64 audioStart = 0;
  for (int n = 0; n < kMaxStackedId3v2Tags && audioStart + kId3v2HeaderSize <= audioEnd; ++n) {
    const qint64 tagSize = Id3v2TagSize(readAt(audioStart, kId3v2HeaderSize));
    if (tagSize == 0) break;
    audioStart += tagSize;
  }
  if (audioStart >= audioEnd) return {};

  const qint64 window = std::min(audioEnd - audioStart, kSyncSearchLimit + kFrameCheckSpan);
  const std::optional<MpegFrameMatch> frame = FindFirstFrame(readAt(audioStart, window));
  if (!frame) return {};
  MpegHeaderInfo header = DescribeFrame(*frame);
  header.frameOffset += audioStart;
  return header;
}

}  // namespace

std::optional<Mp3Facts> ReadMp3Facts(const QString& songPath, const QByteArray& codepage) {
  if (songPath.isEmpty() || !FileExists(songPath)) return std::nullopt;
  QFile file(songPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
  const qint64 size = file.size();
  if (size < kMinimumFileSize) return std::nullopt;

  const auto readAt = [&file](qint64 pos, qint64 len) {
    return file.seek(pos) ? file.read(len) : QByteArray();
  };
  Mp3Facts facts;
  facts.header = examine(size, readAt, facts.tag, codepage);
  return facts;
}

MpegHeaderInfo ExamineMp3Bytes(QByteArrayView fileBytes, ID3Info& info,
                               const QByteArray& codepage) {
  info.reset();
  const qint64 size = fileBytes.size();
  if (size < kMinimumFileSize) return {};
  const auto readAt = [fileBytes](qint64 pos, qint64 len) {
    if (pos < 0 || pos >= fileBytes.size()) return QByteArray();
    const qsizetype n = std::min<qint64>(len, fileBytes.size() - pos);
    return QByteArray::fromRawData(fileBytes.data() + pos, n);
  };
  return examine(size, readAt, info, codepage);
}

}  // namespace kd
