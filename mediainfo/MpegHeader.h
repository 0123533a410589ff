#pragma once
// MPEG audio frame headers on raw bytes: the ID3v2 tags that may precede the
// audio, the search for the first real frame and the standard decoding tables.
// Everything here is a pure function of the bytes it is given.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

#include "mediainfo/Mp3Info.h"

namespace kd {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };
enum class MpegLayer { Layer1, Layer2, Layer3 };
enum class ChannelMode { Stereo, JointStereo, DualChannel, Mono };

// One decoded 4-byte frame header.
struct MpegFrameHeader {
  MpegVersion version = MpegVersion::Mpeg1;
  MpegLayer layer = MpegLayer::Layer3;
  int bitrateIndex = 0;  // 0 = free format
  int bitrateKbps = 0;   // 0 for free format
  int sampleRateIndex = 0;
  int sampleRateHz = 0;
  bool padding = false;
  ChannelMode mode = ChannelMode::Stereo;

  // Bytes from this header to the next one; 0 when it cannot be computed
  // (free format).
  int frameLength() const;
};

// A frame found in a buffer: its header and where it starts.
struct MpegFrameMatch {
  MpegFrameHeader header;
  qsizetype offset = 0;
};

// Audio frames are looked for in this many bytes after the ID3v2 tags.
inline constexpr qsizetype kSyncSearchLimit = 64 * 1024;
// Bytes past the search window that the next-frame check may look at: more
// than the longest frame any header can describe, and the reach of the
// free-format check below.
inline constexpr qsizetype kFrameCheckSpan = 8 * 1024;
// Free-format frames carry no length; the next header is looked for this far.
inline constexpr qsizetype kFreeFormatReach = 6 * 1024;
// Stacked ID3v2 tags skipped at most before the audio is looked for; each
// skip costs a read, so a file made of empty tags cannot keep the reader busy.
inline constexpr int kMaxStackedId3v2Tags = 64;
inline constexpr qsizetype kId3v2HeaderSize = 10;

// Decodes the 4 bytes at the start of `bytes` when they form a valid header:
// 11 sync bits, a known version and layer, bitrate index below 15 and a
// sample-rate index below 3. Fewer than 4 bytes give nothing.
std::optional<MpegFrameHeader> DecodeFrameHeader(QByteArrayView bytes);

// The whole size (header, body, footer) of the ID3v2 tag whose 10-byte header
// starts `bytes`; 0 when the bytes are no ID3v2 header ("ID3", version and
// revision below 0xFF, four synchsafe size bytes).
qint64 Id3v2TagSize(QByteArrayView bytes);

// The first frame whose header starts within the first `searchLimit` bytes of
// `audio` and that is not a false sync: when the next header (by the frame
// length, or the next matching header for free format) lies inside `audio`,
// it must be a header of the same version, layer and sample rate.
std::optional<MpegFrameMatch> FindFirstFrame(QByteArrayView audio,
                                             qsizetype searchLimit = kSyncSearchLimit);

// Texts and numbers the player shows for a frame: bitrate "128" (free format
// ""), sample rate in whole kHz ("44" for 44.1), channel mode "stereo",
// "jstereo", "dualch" or "mono".
MpegHeaderInfo DescribeFrame(const MpegFrameMatch& frame);

QString ChannelModeText(ChannelMode mode);

}  // namespace kd
