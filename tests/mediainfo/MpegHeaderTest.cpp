#include <gtest/gtest.h>

#include "MpegFixtures.h"
#include "mediainfo/MpegHeader.h"

using namespace kd;
using namespace kd::test;

namespace {

TEST(MpegHeader, DecodesEveryVersionLayerAndChannelMode) {
  struct Case {
    FrameSpec fields;  // version, layer, bitrate index, sample-rate index, mode, padding
    int frameLength;   // worked out by hand from the standard formulas
    const char* bitrate;
    const char* sampleRate;
    int sampleRateHz;
    const char* mode;
  };
  // Indexes chosen where the tables differ; padding adds a slot (4 bytes in layer I).
  const Case cases[] = {
      {{3, 3, 12, 0, 0}, 416, "384", "44", 44100, "stereo"},
      {{3, 3, 12, 0, 0, true}, 420, "384", "44", 44100, "stereo"},
      {{3, 2, 9, 1, 1}, 480, "160", "48", 48000, "jstereo"},
      {{3, 1, 9, 0, 2}, 417, "128", "44", 44100, "dualch"},
      {{3, 1, 9, 0, 3, true}, 418, "128", "44", 44100, "mono"},
      {{3, 1, 14, 2, 0}, 1440, "320", "32", 32000, "stereo"},
      {{3, 1, 2, 1, 1}, 120, "40", "48", 48000, "jstereo"},
      {{2, 3, 9, 0, 2}, 312, "144", "22", 22050, "dualch"},
      {{2, 2, 8, 1, 3}, 384, "64", "24", 24000, "mono"},
      {{2, 1, 8, 0, 0}, 208, "64", "22", 22050, "stereo"},
      {{2, 1, 1, 2, 1}, 36, "8", "16", 16000, "jstereo"},
      {{0, 3, 1, 2, 2}, 192, "32", "8", 8000, "dualch"},
      {{0, 2, 14, 1, 3}, 1920, "160", "12", 12000, "mono"},
      {{0, 1, 4, 0, 0}, 208, "32", "11", 11025, "stereo"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.fields.versionBits << " layer "
                                    << c.fields.layerBits << " length " << c.frameLength);
    // Three frames: the first only counts when the second header sits exactly
    // at the computed length.
    const auto match = FindFirstFrame(frames(c.fields, c.frameLength, 3));
    ASSERT_TRUE(match);
    EXPECT_EQ(match->offset, 0);
    EXPECT_EQ(match->header.frameLength(), c.frameLength);
    const MpegHeaderInfo info = DescribeFrame(*match);
    EXPECT_EQ(info.bitrateText, c.bitrate);
    EXPECT_EQ(info.sampleRateText, c.sampleRate);
    EXPECT_EQ(info.sampleRateHz, c.sampleRateHz);
    EXPECT_EQ(info.channelModeText, c.mode);
    EXPECT_EQ(info.stereo, c.fields.modeBits != 3);
  }
}

TEST(MpegHeader, ReservedFieldsAndShortSyncsAreNoHeader) {
  // Reserved version, reserved layer, bitrate index 15, sample-rate index 3.
  for (const FrameSpec& fields : {FrameSpec{1, 1, 9, 0}, FrameSpec{3, 0, 9, 0},
                                  FrameSpec{3, 1, 15, 0}, FrameSpec{3, 1, 9, 3}})
    EXPECT_FALSE(DecodeFrameHeader(frameHeader(fields)));
  EXPECT_TRUE(DecodeFrameHeader(frameHeader({})));
  EXPECT_FALSE(DecodeFrameHeader(frameHeader({}).left(3)));
  EXPECT_FALSE(DecodeFrameHeader(QByteArray("\xFF\xDB\x90\x00", 4)));  // ten sync bits
}

TEST(MpegHeader, FreeFormatShowsNoBitrate) {
  const auto match = FindFirstFrame(frames({3, 1, 0, 0, 1}, 700, 3));
  ASSERT_TRUE(match);
  EXPECT_EQ(match->header.frameLength(), 0);
  const MpegHeaderInfo info = DescribeFrame(*match);
  EXPECT_TRUE(info.found);
  EXPECT_EQ(info.bitrateText, "");
  EXPECT_EQ(info.bitrateKbps, 0);
  EXPECT_EQ(info.sampleRateText, "44");
  EXPECT_EQ(info.channelModeText, "jstereo");
}

TEST(MpegHeader, TheFirstFrameIsOneTheNextHeaderConfirms) {
  const QByteArray mpeg2 = frames({2, 1, 8, 0}, 208, 3);
  // Lone 0xFF, a ten-bit sync and a header with bitrate index 15.
  QByteArray garbage = noise(1000);
  garbage.replace(10, 2, QByteArray("\xFF\x00", 2));
  garbage.replace(200, 4, QByteArray("\xFF\xC3\x90\x00", 4));
  garbage.replace(500, 4, frameHeader({3, 1, 15, 0}));
  garbage.append('\xFF');
  // A valid MPEG-1 header whose next header (at +417) has another sample rate.
  QByteArray otherRate = frameHeader({}) + noise(800);
  otherRate.replace(417, 4, frameHeader({3, 1, 9, 1}));
  // A free-format header with no second one within the longest frame.
  const QByteArray loneFree = frameHeader({3, 1, 0, 0}) + noise(kFreeFormatReach + 100);
  const std::pair<QByteArray, qsizetype> cases[] = {
      {garbage + frames({}, 417, 3), 1001},
      {otherRate + mpeg2, 804},
      {loneFree + mpeg2, loneFree.size()},
      // Another layer at the next position is no agreement either.
      {frameHeader({}) + QByteArray(413, '\0') + frameHeader({3, 2, 9, 0}) + QByteArray(600, '\0'),
       -1},
      // Nothing checks a frame cut short, or one that ends the bytes.
      {frameHeader({}) + QByteArray(300, '\0'), 0},
      {frames({}, 417, 1), 0},
      {QByteArray(), -1}};
  for (const auto& [bytes, at] : cases) {
    const auto match = FindFirstFrame(bytes);
    EXPECT_EQ(match ? match->offset : -1, at) << bytes.size() << " bytes";
  }
}

TEST(MpegHeader, Id3v2SizeIsSynchsafe) {
  const std::pair<QByteArray, qint64> cases[] = {
      {QByteArray("ID3\x03\x00\x00\x00\x00\x02\x01", 10), 10 + 257},       // 2 * 128 + 1
      {QByteArray("ID3\x04\x00\x10\x00\x00\x02\x01", 10), 10 + 257 + 10},  // footer
      {QByteArray("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10), (1 << 28) - 1 + 10},
      // No tag: a size byte with its top bit set, version 0xFF, short, other letters.
      {QByteArray("ID3\x03\x00\x00\x00\x00\x82\x01", 10), 0},
      {QByteArray("ID3\xFF\x00\x00\x00\x00\x02\x01", 10), 0},
      {QByteArray("ID3\x03\x00\x00\x00\x00\x02", 9), 0},
      {QByteArray("id3\x03\x00\x00\x00\x00\x02\x01", 10), 0},
  };
  for (const auto& [header, size] : cases)
    EXPECT_EQ(Id3v2TagSize(header), size) << header.toHex().constData();
}

}  // namespace
