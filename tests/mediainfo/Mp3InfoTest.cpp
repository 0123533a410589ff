#include <gtest/gtest.h>

#include <QFile>

#include "MpegFixtures.h"
#include "mediainfo/Mp3Info.h"
#include "mediainfo/MpegHeader.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

const FrameSpec kJointStereo128{3, 1, 9, 0, 1};  // MPEG-1 layer III, 128 kbit/s, 44.1 kHz
const QByteArray kAudio = frames(kJointStereo128, 417, 10);

QByteArray songTag() {
  return id3v1Tag({.title = EncodeLegacy(QString::fromUtf8("中文歌曲")),
                   .artist = "Band",
                   .track = 3,
                   .genre = 13});
}

// What the player shows of a frame: the texts, then the numbers.
QString shown(const MpegHeaderInfo& h) {
  return QStringList{h.bitrateText, h.sampleRateText, h.channelModeText,
                     QString::number(h.bitrateKbps), QString::number(h.sampleRateKhz)}
      .join('|');
}

class Mp3Info : public testing::Test {
 protected:
  MpegHeaderInfo examine(const QByteArray& bytes) {
    const std::optional<Mp3Facts> facts =
        ReadMp3Facts(m_dir.write(QStringLiteral("song.mp3"), bytes));
    EXPECT_TRUE(facts.has_value());
    m_info = facts ? facts->tag : ID3Info();
    return facts ? facts->header : MpegHeaderInfo();
  }

  TempDir m_dir;
  ID3Info m_info;
};

TEST_F(Mp3Info, ShowsTheFirstFrameAfterTheId3v2TagsAndReadsTheTag) {
  const QByteArray tag = songTag();
  // Tag bodies that hold what looks like an MPEG-2 stream; the audio is MPEG-1.
  const QByteArray decoy = frames({2, 1, 8, 0}, 208, 8);  // 1664 bytes
  const QByteArray plain = id3v2Tag(decoy), withFooter = id3v2Tag(decoy, true);
  const QByteArray audio = frames(kJointStereo128, 417, 200);  // 83 KB
  const char* const kShown = "128|44|jstereo|128|44";
  const char* const kNone = "|||0|0";
  struct Case {
    const char* what;
    QByteArray bytes;
    qint64 frameAt;  // -1: no frame
    const char* shown;
  };
  const Case cases[] = {
      {"a tag before the audio", id3v2Tag(QByteArray(2000, '\0')) + kAudio + tag, 2010, kShown},
      {"a tag holding frames", plain + kAudio + tag, 10 + 1664, kShown},
      {"a tag with a footer", withFooter + kAudio + tag, 10 + 1664 + 10, kShown},
      {"stacked tags", withFooter + plain + id3v2Tag({}) + kAudio + tag, 1684 + 1674 + 10, kShown},
      {"no tag at the end", audio, 0, kShown},
      // Frames are looked for in the first 64 KiB after the tags.
      {"a frame at the last place searched", QByteArray(kSyncSearchLimit - 1, '\0') + audio,
       kSyncSearchLimit - 1, kShown},
      {"a frame past the search", QByteArray(kSyncSearchLimit, '\0') + audio, -1, kNone},
      {"noise past the search", noise(70000) + audio + tag, -1, kNone},
      {"frames of another kind", id3v2Tag({}).repeated(2) + frames({2, 2, 8, 1, 2}, 384, 3) + tag,
       20, "64|24|dualch|64|24"},
      // The next header would start where "TAG" stands: the tag is no audio.
      {"a lone frame before the tag", frames(kJointStereo128, 417, 1) + tag, 0, kShown},
      // 256 bytes, the shortest file examined: the frame is cut by the end.
      {"a cut frame", frameHeader(kJointStereo128) + QByteArray(124, '\0') + tag, 0, kShown},
      {"noise", noise(4096) + tag, -1, kNone},
      {"a tag longer than the file", id3v2Header(1 << 20) + kAudio + tag, -1, kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MpegHeaderInfo header = examine(c.bytes);
    EXPECT_EQ(header.found, c.frameAt >= 0);
    EXPECT_EQ(header.frameOffset, c.frameAt);
    EXPECT_EQ(shown(header), c.shown);
    // The tag is read whether or not a frame is found.
    const bool tagged = c.bytes.endsWith(tag);
    EXPECT_EQ(m_info.present, tagged);
    EXPECT_EQ(m_info.Title, tagged ? QString::fromUtf8("中文歌曲") : QString());
    EXPECT_EQ(m_info.Genre, tagged ? 13 : 80);

    // The same examination of the bytes in memory.
    ID3Info fromBytes;
    const MpegHeaderInfo inMemory = ExamineMp3Bytes(c.bytes, fromBytes);
    EXPECT_EQ(inMemory.frameOffset, c.frameAt);
    EXPECT_EQ(inMemory.bitrateText + inMemory.sampleRateText + inMemory.channelModeText,
              header.bitrateText + header.sampleRateText + header.channelModeText);
    EXPECT_EQ(fromBytes.present, tagged);
    EXPECT_EQ(fromBytes.Title, m_info.Title);
  }
}

TEST_F(Mp3Info, LargeId3v2TagIsSeekedOver) {
  // 200 MB of tag (a sparse file), then mono MPEG-2.5 audio and the tag.
  const qint64 body = 200 << 20;
  const QString path = m_dir.path() + QStringLiteral("big.mp3");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(id3v2Header(body));
    ASSERT_TRUE(file.resize(10 + body) && file.seek(10 + body));
    file.write(frames({0, 1, 4, 0, 3}, 208, 10) + songTag());
  }
  const std::optional<Mp3Facts> facts = ReadMp3Facts(path);
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->header.frameOffset, 10 + body);
  EXPECT_EQ(shown(facts->header), "32|11|mono|32|11");
  EXPECT_TRUE(facts->tag.present);
}

TEST_F(Mp3Info, MissingAndShortFilesHaveNoFacts) {
  const QByteArray cut = frameHeader(kJointStereo128) + QByteArray(123, '\0') + songTag();
  for (const QString& path : {QString(), m_dir.path() + QStringLiteral("missing.mp3"),
                              m_dir.mkdir(QStringLiteral("folder.mp3")),
                              m_dir.write(QStringLiteral("short.mp3"), cut)}) {  // 255 bytes
    EXPECT_FALSE(ReadMp3Facts(path).has_value()) << qPrintable(path);
  }
}

}  // namespace
