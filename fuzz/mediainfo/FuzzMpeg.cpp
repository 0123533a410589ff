// Arbitrary bytes as the start, the end and the whole of an MPEG audio file:
// the header search, the tag parser and the examination that joins them must
// neither crash nor report a frame the bytes do not hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "mediainfo/Id3v1.h"
#include "mediainfo/Mp3Info.h"
#include "mediainfo/MpegHeader.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kd;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  if (const auto frame = FindFirstFrame(bytes)) {
    check(frame->offset >= 0 && frame->offset < kSyncSearchLimit);
    check(frame->offset + 4 <= bytes.size());
    const auto again = DecodeFrameHeader(bytes.sliced(frame->offset));
    check(again && again->sampleRateHz == frame->header.sampleRateHz);
    const MpegHeaderInfo info = DescribeFrame(*frame);
    check(info.sampleRateKhz >= 8 && info.sampleRateKhz <= 48);
    check(info.bitrateKbps >= 0 && info.bitrateKbps <= 448);
  }
  check(Id3v2TagSize(bytes) >= 0);

  ID3Info tag;
  const bool present = ParseId3v1(bytes, tag);
  check(present == tag.present);
  check(tag.Title.size() <= 30 && tag.Comment.size() <= 29 && tag.Year.size() <= 4);

  ID3Info fileTag;
  const MpegHeaderInfo header = ExamineMp3Bytes(bytes, fileTag);
  check(!header.found || (header.frameOffset >= 0 && header.frameOffset + 4 <= bytes.size()));
  check(fileTag.present == (bytes.size() >= 256 && present));
  return 0;
}
