#include <gtest/gtest.h>

#include "MpegFixtures.h"
#include "mediainfo/MpegHeader.h"

using namespace kd;
using namespace kd::test;

namespace {

struct Case {
  const char* name;
  FrameSpec spec;
  int frameLength;  // worked out by hand from the standard formulas
  const char* bitrate;
  const char* sampleRate;
  int sampleRateHz;
};

// Each version and layer, with indexes chosen where the tables differ.
const Case kCases[] = {
    {"Mpeg1Layer1", {3, 3, 12, 0}, 416, "384", "44", 44100},
    {"Mpeg1Layer2", {3, 2, 9, 1}, 480, "160", "48", 48000},
    {"Mpeg1Layer3", {3, 1, 9, 0}, 417, "128", "44", 44100},
    {"Mpeg1Layer3Top", {3, 1, 14, 2}, 1440, "320", "32", 32000},
    {"Mpeg1Layer3Low", {3, 1, 2, 1}, 120, "40", "48", 48000},
    {"Mpeg2Layer1", {2, 3, 9, 0}, 312, "144", "22", 22050},
    {"Mpeg2Layer2", {2, 2, 8, 1}, 384, "64", "24", 24000},
    {"Mpeg2Layer3", {2, 1, 8, 0}, 208, "64", "22", 22050},
    {"Mpeg2Layer3Low", {2, 1, 1, 2}, 36, "8", "16", 16000},
    {"Mpeg25Layer1", {0, 3, 1, 2}, 192, "32", "8", 8000},
    {"Mpeg25Layer2", {0, 2, 14, 1}, 1920, "160", "12", 12000},
    {"Mpeg25Layer3", {0, 1, 4, 0}, 208, "32", "11", 11025},
};

class EveryVersionAndLayer : public testing::TestWithParam<Case> {};

TEST_P(EveryVersionAndLayer, DecodesBitrateSampleRateAndFrameLength) {
  const Case& c = GetParam();
  // Three frames: the first is only accepted when the second header sits
  // exactly at the computed length.
  const QByteArray stream = frames(c.spec, c.frameLength, 3);
  const auto match = FindFirstFrame(stream);
  ASSERT_TRUE(match);
  EXPECT_EQ(match->offset, 0);
  EXPECT_EQ(match->header.frameLength(), c.frameLength);
  const MpegHeaderInfo info = DescribeFrame(*match);
  EXPECT_TRUE(info.found);
  EXPECT_EQ(info.bitrateText, c.bitrate);
  EXPECT_EQ(info.bitrateKbps, QByteArray(c.bitrate).toInt());
  EXPECT_EQ(info.sampleRateText, c.sampleRate);
  EXPECT_EQ(info.sampleRateKhz, QByteArray(c.sampleRate).toInt());
  EXPECT_EQ(info.sampleRateHz, c.sampleRateHz);
}

INSTANTIATE_TEST_SUITE_P(MpegHeader, EveryVersionAndLayer, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MpegHeader, PaddingAddsOneSlot) {
  FrameSpec padded{3, 1, 9, 0};
  padded.padding = true;
  FrameSpec layer1{3, 3, 12, 0};
  layer1.padding = true;
  // A padded frame (418 bytes) then plain ones; a padded layer I frame grows by 4 bytes.
  const auto l3 = FindFirstFrame(frames(padded, 418, 1) + frames({3, 1, 9, 0}, 417, 2));
  ASSERT_TRUE(l3);
  EXPECT_EQ(l3->header.frameLength(), 418);
  const auto l1 = FindFirstFrame(frames(layer1, 420, 3));
  ASSERT_TRUE(l1);
  EXPECT_EQ(l1->header.frameLength(), 420);
}

TEST(MpegHeader, ChannelModeFromTheFourthByte) {
  const char* texts[] = {"stereo", "jstereo", "dualch", "mono"};
  for (int mode = 0; mode < 4; ++mode) {
    FrameSpec spec;
    spec.modeBits = mode;
    const auto match = FindFirstFrame(frames(spec, 417, 2));
    ASSERT_TRUE(match);
    const MpegHeaderInfo info = DescribeFrame(*match);
    EXPECT_EQ(info.channelModeText, texts[mode]);
    EXPECT_EQ(info.stereo, mode != 3);
  }
}

TEST(MpegHeader, ReservedFieldsAreNoHeader) {
  FrameSpec reservedVersion{1, 1, 9, 0};
  FrameSpec reservedLayer{3, 0, 9, 0};
  FrameSpec badBitrate{3, 1, 15, 0};
  FrameSpec badSampleRate{3, 1, 9, 3};
  for (const FrameSpec& spec : {reservedVersion, reservedLayer, badBitrate, badSampleRate}) {
    EXPECT_FALSE(DecodeFrameHeader(frameHeader(spec)));
    EXPECT_FALSE(FindFirstFrame(frames(spec, 417, 4)));
  }
  EXPECT_TRUE(DecodeFrameHeader(frameHeader({})));
  EXPECT_FALSE(DecodeFrameHeader(frameHeader({}).left(3)));
  // Ten sync bits are not enough.
  EXPECT_FALSE(DecodeFrameHeader(QByteArray("\xFF\xDB\x90\x00", 4)));
}

TEST(MpegHeader, FreeFormatShowsNoBitrate) {
  FrameSpec free{3, 1, 0, 0};
  free.modeBits = 1;
  const auto match = FindFirstFrame(frames(free, 700, 3));
  ASSERT_TRUE(match);
  EXPECT_EQ(match->header.frameLength(), 0);
  const MpegHeaderInfo info = DescribeFrame(*match);
  EXPECT_TRUE(info.found);
  EXPECT_EQ(info.bitrateText, "");
  EXPECT_EQ(info.bitrateKbps, 0);
  EXPECT_EQ(info.sampleRateText, "44");
  EXPECT_EQ(info.channelModeText, "jstereo");
}

TEST(MpegHeader, FreeFormatSyncWithoutASecondFrameIsFalse) {
  // A lone free-format header followed by more bytes than any frame holds,
  // then a real stream.
  const QByteArray lone = frameHeader({3, 1, 0, 0}) + noise(kFreeFormatReach + 100);
  const QByteArray stream = frames({2, 1, 8, 0}, 208, 3);
  const auto match = FindFirstFrame(lone + stream);
  ASSERT_TRUE(match);
  EXPECT_EQ(match->offset, lone.size());
}

TEST(MpegHeader, GarbageBeforeTheFirstFrameIsSkipped) {
  // Bytes with lone 0xFF, ten-bit syncs and a header with bitrate index 15.
  QByteArray garbage = noise(1000);
  garbage.replace(10, 2, QByteArray("\xFF\x00", 2));
  garbage.replace(200, 4, QByteArray("\xFF\xC3\x90\x00", 4));
  garbage.replace(500, 4, frameHeader({3, 1, 15, 0}));
  garbage.append('\xFF');
  const auto match = FindFirstFrame(garbage + frames({}, 417, 3));
  ASSERT_TRUE(match);
  EXPECT_EQ(match->offset, 1001);
}

TEST(MpegHeader, FalseSyncIsRejectedByTheNextHeader) {
  // A valid MPEG-1 header whose next header would be at +417: once noise,
  // once a header of another sample rate. The real stream is MPEG-2.
  QByteArray bytes = frameHeader({}) + noise(800);
  bytes.replace(417, 4, frameHeader({3, 1, 9, 1}));
  bytes += frames({2, 1, 8, 0}, 208, 3);
  const auto match = FindFirstFrame(bytes);
  ASSERT_TRUE(match);
  EXPECT_EQ(match->offset, 804);
  EXPECT_EQ(match->header.version, MpegVersion::Mpeg2);

  // Another layer at the next position is no agreement either.
  QByteArray otherLayer = frameHeader({}) + QByteArray(413, '\0') + frameHeader({3, 2, 9, 0});
  otherLayer += QByteArray(600, '\0');
  EXPECT_FALSE(FindFirstFrame(otherLayer));
}

TEST(MpegHeader, NextHeaderOutsideTheBufferIsNotHeldAgainstTheFrame) {
  // One frame cut short: the next header cannot be checked.
  const QByteArray cut = frameHeader({}) + QByteArray(300, '\0');
  const auto match = FindFirstFrame(cut);
  ASSERT_TRUE(match);
  EXPECT_EQ(match->offset, 0);
  // Exactly one whole frame, the next header would start at the end.
  EXPECT_TRUE(FindFirstFrame(frames({}, 417, 1)));
}

TEST(MpegHeader, SearchCoversOnlyTheFirst64KiB) {
  const QByteArray stream = frames({}, 417, 3);
  const auto inside = FindFirstFrame(QByteArray(kSyncSearchLimit - 1, '\0') + stream);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->offset, kSyncSearchLimit - 1);
  EXPECT_FALSE(FindFirstFrame(QByteArray(kSyncSearchLimit, '\0') + stream));
  EXPECT_FALSE(FindFirstFrame(QByteArray()));
}

TEST(MpegHeader, Id3v2SizeIsSynchsafe) {
  // Size bytes 00 00 02 01: 2 * 128 + 1 = 257 bytes of body.
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\x03\x00\x00\x00\x00\x02\x01", 10)), 267);
  // The footer flag adds a second 10-byte block.
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\x04\x00\x10\x00\x00\x02\x01", 10)), 277);
  // Largest size: 28 bits.
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10)), (1 << 28) - 1 + 10);
  // A size byte with its top bit set, a version of 0xFF, a short header or
  // other letters: no tag.
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\x03\x00\x00\x00\x00\x82\x01", 10)), 0);
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\xFF\x00\x00\x00\x00\x02\x01", 10)), 0);
  EXPECT_EQ(Id3v2TagSize(QByteArray("ID3\x03\x00\x00\x00\x00\x02", 9)), 0);
  EXPECT_EQ(Id3v2TagSize(QByteArray("id3\x03\x00\x00\x00\x00\x02\x01", 10)), 0);
}

}  // namespace
