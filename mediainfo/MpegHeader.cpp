#include "mediainfo/MpegHeader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kd {

namespace {

// Bitrates in kbit/s by [MPEG-1 | MPEG-2 and 2.5][layer I, II, III][index];
// index 0 is free format, index 15 is invalid and never looked up.
constexpr int kBitrates[2][3][15] = {
    {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    },
    {
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    },
};

// Sample rates in Hz by [MPEG-1, MPEG-2, MPEG-2.5][index].
constexpr int kSampleRates[3][3] = {
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
};

// Unpadded frame lengths in bytes by [version][layer][bitrate index][sample-rate
// index], worked out once: the search computes one for every candidate sync.
using FrameLengthTable = std::array<std::array<std::array<std::array<int, 3>, 15>, 3>, 3>;

constexpr FrameLengthTable makeFrameLengths() {
  FrameLengthTable t{};
  for (int v = 0; v < 3; ++v) {
    for (int l = 0; l < 3; ++l) {
      for (int b = 1; b < 15; ++b) {
        for (int s = 0; s < 3; ++s) {
          const int bitsPerSecond = kBitrates[v == 0 ? 0 : 1][l][b] * 1000;
          const int rate = kSampleRates[v][s];
          if (l == 0) {
            t[v][l][b][s] = 12 * bitsPerSecond / rate * 4;
          } else if (l == 1 || v == 0) {
            t[v][l][b][s] = 144 * bitsPerSecond / rate;
          } else {
            t[v][l][b][s] = 72 * bitsPerSecond / rate;  // half the samples outside MPEG-1
          }
        }
      }
    }
  }
  return t;
}

constexpr FrameLengthTable kFrameLengths = makeFrameLengths();

uint8_t byteAt(QByteArrayView bytes, qsizetype i) {
  return static_cast<uint8_t>(bytes[i]);
}

// True when the 3 bytes at `pos` start a header of the same version, layer
// and sample rate as `first` (the bytes of the header being checked).
bool sameStreamAt(QByteArrayView audio, qsizetype pos, QByteArrayView first) {
  if (byteAt(audio, pos) != 0xFF) return false;
  // Sync, version and layer share the second byte; the protection bit may differ.
  if ((byteAt(audio, pos + 1) & 0xFE) != (byteAt(first, 1) & 0xFE)) return false;
  return ((byteAt(audio, pos + 2) >> 2) & 3) == ((byteAt(first, 2) >> 2) & 3);
}

// The false-sync check: the header that should follow the candidate at
// `offset` agrees with it, or lies beyond the bytes at hand.
bool nextHeaderAgrees(QByteArrayView audio, qsizetype offset, const MpegFrameHeader& header) {
  const QByteArrayView first = audio.sliced(offset, 4);
  const qsizetype length = header.frameLength();
  if (length > 0) {
    const qsizetype next = offset + length;
    if (next + 3 > audio.size()) return true;
    return sameStreamAt(audio, next, first);
  }
  // Free format: the next header of the same stream is also free format;
  // without a length it is looked for within the longest plausible frame.
  for (qsizetype next = offset + 4; next <= offset + kFreeFormatReach; ++next) {
    if (next + 3 > audio.size()) return true;
    if (sameStreamAt(audio, next, first) && (byteAt(audio, next + 2) >> 4) == 0) return true;
  }
  return false;
}

}  // namespace

int MpegFrameHeader::frameLength() const {
  if (bitrateIndex <= 0 || bitrateIndex >= 15 || sampleRateIndex < 0 || sampleRateIndex >= 3) {
    return 0;
  }
  const int base = kFrameLengths[static_cast<int>(version)][static_cast<int>(layer)][bitrateIndex]
                                [sampleRateIndex];
  // Layer I counts its padding slot in 4-byte words.
  return base + (padding ? (layer == MpegLayer::Layer1 ? 4 : 1) : 0);
}

std::optional<MpegFrameHeader> DecodeFrameHeader(QByteArrayView bytes) {
  if (bytes.size() < 4) return std::nullopt;
  const uint8_t b1 = byteAt(bytes, 1);
  const uint8_t b2 = byteAt(bytes, 2);
  const uint8_t b3 = byteAt(bytes, 3);
  if (byteAt(bytes, 0) != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;

  MpegFrameHeader h;
  switch ((b1 >> 3) & 3) {
    case 0:
      h.version = MpegVersion::Mpeg25;
      break;
    case 2:
      h.version = MpegVersion::Mpeg2;
      break;
    case 3:
      h.version = MpegVersion::Mpeg1;
      break;
    default:
      return std::nullopt;
  }
  switch ((b1 >> 1) & 3) {
    case 1:
      h.layer = MpegLayer::Layer3;
      break;
    case 2:
      h.layer = MpegLayer::Layer2;
      break;
    case 3:
      h.layer = MpegLayer::Layer1;
      break;
    default:
      return std::nullopt;
  }
  h.bitrateIndex = b2 >> 4;
  h.sampleRateIndex = (b2 >> 2) & 3;
  if (h.bitrateIndex == 15 || h.sampleRateIndex == 3) return std::nullopt;

  const int versionRow = static_cast<int>(h.version);
  const int bitrateRow = h.version == MpegVersion::Mpeg1 ? 0 : 1;
  h.bitrateKbps = kBitrates[bitrateRow][static_cast<int>(h.layer)][h.bitrateIndex];
  h.sampleRateHz = kSampleRates[versionRow][h.sampleRateIndex];
  h.padding = (b2 >> 1) & 1;
  h.mode = static_cast<ChannelMode>(b3 >> 6);
  return h;
}

qint64 Id3v2TagSize(QByteArrayView bytes) {
  if (bytes.size() < kId3v2HeaderSize || !bytes.startsWith("ID3")) return 0;
  if (byteAt(bytes, 3) == 0xFF || byteAt(bytes, 4) == 0xFF) return 0;
  qint64 size = 0;
  for (int i = 6; i < 10; ++i) {
    const uint8_t b = byteAt(bytes, i);
    if (b & 0x80) return 0;  // not synchsafe: no tag header
    size = (size << 7) | b;
  }
  const bool footer = byteAt(bytes, 5) & 0x10;
  return kId3v2HeaderSize + size + (footer ? kId3v2HeaderSize : 0);
}

std::optional<MpegFrameMatch> FindFirstFrame(QByteArrayView audio, qsizetype searchLimit) {
  const qsizetype limit = std::min(searchLimit, audio.size());
  const char* const data = audio.data();
  for (qsizetype i = 0; i < limit; ++i) {
    const void* hit = std::memchr(data + i, 0xFF, static_cast<size_t>(limit - i));
    if (!hit) break;
    i = static_cast<const char*>(hit) - data;
    const std::optional<MpegFrameHeader> header = DecodeFrameHeader(audio.sliced(i));
    if (header && nextHeaderAgrees(audio, i, *header)) return MpegFrameMatch{*header, i};
  }
  return std::nullopt;
}

QString ChannelModeText(ChannelMode mode) {
  switch (mode) {
    case ChannelMode::Stereo:
      return QStringLiteral("stereo");
    case ChannelMode::JointStereo:
      return QStringLiteral("jstereo");
    case ChannelMode::DualChannel:
      return QStringLiteral("dualch");
    case ChannelMode::Mono:
      return QStringLiteral("mono");
  }
  return {};
}

MpegHeaderInfo DescribeFrame(const MpegFrameMatch& frame) {
  const MpegFrameHeader& h = frame.header;
  MpegHeaderInfo info;
  info.found = true;
  info.frameOffset = frame.offset;
  info.bitrateKbps = h.bitrateKbps;
  info.bitrateText = h.bitrateKbps > 0 ? QString::number(h.bitrateKbps) : QString();
  info.sampleRateHz = h.sampleRateHz;
  // Whole kHz as the skin shows them: 44.1 kHz reads "44", 11.025 kHz "11".
  info.sampleRateKhz = h.sampleRateHz / 1000;
  info.sampleRateText = QString::number(info.sampleRateKhz);
  info.channelModeText = ChannelModeText(h.mode);
  info.stereo = h.mode != ChannelMode::Mono;
  return info;
}

}  // namespace kd
