#include <gtest/gtest.h>

#include <QFile>

#include "MpegFixtures.h"
#include "RecordingPlayerView.h"
#include "mediainfo/Mp3Info.h"
#include "mediainfo/MpegHeader.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

const FrameSpec kJointStereo128{3, 1, 9, 0, 1};  // MPEG-1 layer III, 128 kbit/s, 44.1 kHz
constexpr int kJointStereo128Length = 417;

QByteArray songTag() {
  TagFields f;
  f.title = EncodeLegacy(QString::fromUtf8("中文歌曲"));
  f.artist = "Band";
  f.album = "Record";
  f.track = 3;
  f.genre = 13;
  return id3v1Tag(f);
}

class Mp3Info : public testing::Test {
 protected:
  MpegHeaderInfo examine(const QByteArray& bytes) {
    return GetMP3Info(m_dir.write(QStringLiteral("song.mp3"), bytes), m_info, m_view);
  }

  void expectNoFrameShown() {
    EXPECT_EQ(m_view.labels.value(kLabelBitrate, "unset"), "");
    EXPECT_EQ(m_view.labels.value(kLabelSampleRate, "unset"), "");
    EXPECT_EQ(m_view.labels.value(kLabelChannels, "unset"), "");
    EXPECT_EQ(m_view.displayNumbers.value(kDisplayBitrate, -1), 0.0);
    EXPECT_EQ(m_view.displayNumbers.value(kDisplaySampleRate, -1), 0.0);
  }

  TempDir m_dir;
  ID3Info m_info;
  RecordingPlayerView m_view;
};

TEST_F(Mp3Info, ShowsTheFirstFrameAndReadsTheTag) {
  const QByteArray file =
      id3v2Tag(2000) + frames(kJointStereo128, kJointStereo128Length, 20) + songTag();
  const MpegHeaderInfo header = examine(file);
  EXPECT_TRUE(header.found);
  EXPECT_TRUE(header.stereo);
  EXPECT_EQ(header.frameOffset, 2010);
  EXPECT_EQ(m_view.labels.value(kLabelBitrate), "128");
  EXPECT_EQ(m_view.labels.value(kLabelSampleRate), "44");
  EXPECT_EQ(m_view.labels.value(kLabelChannels), "jstereo");
  EXPECT_EQ(m_view.displayNumbers.value(kDisplayBitrate), 128.0);
  EXPECT_EQ(m_view.displayNumbers.value(kDisplaySampleRate), 44.0);

  EXPECT_TRUE(m_info.present);
  EXPECT_EQ(m_info.Title, QString::fromUtf8("中文歌曲"));
  EXPECT_EQ(m_info.Artist, "Band");
  EXPECT_EQ(m_info.Album, "Record");
  EXPECT_EQ(m_info.Track, 3);
  EXPECT_EQ(m_info.Genre, 13);
}

TEST_F(Mp3Info, Id3v2TagsAreSkippedNotSearched) {
  // The tag bodies hold what looks like an MPEG-2 stream; the audio is MPEG-1.
  const QByteArray decoy = frames({2, 1, 8, 0}, 208, 8);  // 1664 bytes
  const QByteArray audio = frames(kJointStereo128, kJointStereo128Length, 10);
  const QByteArray plain = id3v2Header(decoy.size()) + decoy;
  QByteArray withFooter = id3v2Header(decoy.size(), true) + decoy + "3DI";
  withFooter += id3v2Header(decoy.size(), true).mid(3);

  struct Layout {
    QByteArray bytes;
    qint64 audioAt;
  };
  const Layout layouts[] = {
      {plain + audio, 10 + 1664},
      {withFooter + audio, 10 + 1664 + 10},
      {withFooter + plain + id3v2Tag(0) + audio, 1684 + 1674 + 10},  // stacked
  };
  for (const Layout& layout : layouts) {
    const MpegHeaderInfo header = examine(layout.bytes + songTag());
    EXPECT_EQ(header.frameOffset, layout.audioAt);
    EXPECT_EQ(header.sampleRateText, "44");
  }
}

TEST_F(Mp3Info, LargeId3v2TagIsSeekedOver) {
  // 200 MB of tag (a sparse file), then mono MPEG-2.5 audio and the tag.
  const quint32 body = 200u << 20;
  const QString path = m_dir.path() + QStringLiteral("big.mp3");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(id3v2Header(body));
    ASSERT_TRUE(file.resize(10 + qint64(body)));
    ASSERT_TRUE(file.seek(10 + qint64(body)));
    file.write(frames({0, 1, 4, 0, 3}, 208, 10) + songTag());
  }
  const MpegHeaderInfo header = GetMP3Info(path, m_info, m_view);
  EXPECT_EQ(header.frameOffset, 10 + qint64(body));
  EXPECT_FALSE(header.stereo);
  EXPECT_EQ(m_view.labels.value(kLabelBitrate), "32");
  EXPECT_EQ(m_view.labels.value(kLabelSampleRate), "11");
  EXPECT_EQ(m_view.labels.value(kLabelChannels), "mono");
  EXPECT_TRUE(m_info.present);
}

TEST_F(Mp3Info, NoFrameShowsEmptyLabelsAndZeros) {
  // Noise only; and a tag that claims more bytes than the file holds.
  const QByteArray truncatedTag = id3v2Header(1 << 20) + frames(kJointStereo128, 417, 10);
  for (const QByteArray& audio : {noise(4096), truncatedTag}) {
    m_view = RecordingPlayerView();
    const MpegHeaderInfo header = examine(audio + songTag());
    EXPECT_FALSE(header.found);
    EXPECT_EQ(header.frameOffset, -1);
    expectNoFrameShown();
    EXPECT_EQ(m_info.Artist, "Band");  // the tag is read all the same
  }
}

TEST_F(Mp3Info, TagLettersInsideTheAudioAreNoTag) {
  // "TAG" and a title 200 bytes before the end, nothing at the tag's place.
  QByteArray file = frames(kJointStereo128, kJointStereo128Length, 4);
  file.replace(file.size() - 200, 14, QByteArray("TAGFake title\0", 14));
  m_info.Title = "previous song";
  const MpegHeaderInfo header = examine(file);
  EXPECT_TRUE(header.found);
  EXPECT_FALSE(m_info.present);
  EXPECT_EQ(m_info.Title, "");
  EXPECT_EQ(m_info.Genre, 80);
}

TEST_F(Mp3Info, ALoneFrameBeforeTheTagIsFound) {
  // The next header would start where "TAG" stands: the tag is no audio.
  const MpegHeaderInfo header =
      examine(frames(kJointStereo128, kJointStereo128Length, 1) + songTag());
  EXPECT_TRUE(header.found);
  EXPECT_EQ(m_view.labels.value(kLabelBitrate), "128");
}

TEST_F(Mp3Info, FilesShorterThan256BytesAreNotExamined) {
  // 128 bytes of a cut frame and the tag: 256 bytes.
  const QByteArray file = frameHeader(kJointStereo128) + QByteArray(124, '\0') + songTag();
  ASSERT_EQ(file.size(), 256);
  EXPECT_TRUE(examine(file).found);
  EXPECT_TRUE(m_info.present);

  m_view = RecordingPlayerView();
  const MpegHeaderInfo shorter = examine(file.mid(1));
  EXPECT_FALSE(shorter.found);
  EXPECT_TRUE(m_view.calls.isEmpty());
  EXPECT_FALSE(m_info.present);
  EXPECT_EQ(m_info.Title, "");
}

TEST_F(Mp3Info, MissingFilesLeaveTheViewAlone) {
  const QString paths[] = {QString(), m_dir.path() + QStringLiteral("missing.mp3"),
                           m_dir.mkdir(QStringLiteral("folder.mp3"))};
  for (const QString& path : paths) {
    m_info.Title = "previous song";
    m_info.present = true;
    EXPECT_FALSE(GetMP3Info(path, m_info, m_view).found);
    EXPECT_FALSE(m_info.present);
    EXPECT_EQ(m_info.Title, "");
  }
  EXPECT_TRUE(m_view.calls.isEmpty());
}

TEST_F(Mp3Info, FileAndBytesInMemoryAgree) {
  const QByteArray audio = frames(kJointStereo128, kJointStereo128Length, 200);  // 83 KB
  const QByteArray fixtures[] = {
      audio,
      noise(70000) + audio + songTag(),
      QByteArray(kSyncSearchLimit - 3, '\0') + audio,
      id3v2Tag(5000, true) + noise(300) + audio.left(1000) + songTag(),
      id3v2Tag(100) + id3v2Tag(100) + frames({2, 2, 8, 1, 2}, 384, 3) + songTag(),
  };
  for (const QByteArray& bytes : fixtures) {
    ID3Info fromBytes;
    const MpegHeaderInfo inMemory = ExamineMp3Bytes(bytes, fromBytes);
    const MpegHeaderInfo fromFile = examine(bytes);
    EXPECT_EQ(fromFile.found, inMemory.found);
    EXPECT_EQ(fromFile.frameOffset, inMemory.frameOffset);
    EXPECT_EQ(fromFile.bitrateText, inMemory.bitrateText);
    EXPECT_EQ(fromFile.sampleRateText, inMemory.sampleRateText);
    EXPECT_EQ(fromFile.channelModeText, inMemory.channelModeText);
    EXPECT_EQ(m_info.present, fromBytes.present);
    EXPECT_EQ(m_info.Title, fromBytes.Title);
  }
}

TEST(ClearInf, EmptiesTheTrackInformation) {
  RecordingPlayerView view;
  for (int label : {1, 2, 4, 10, 11, 12, 13}) view.labels[label] = "x";
  ClearInf(view);
  EXPECT_EQ(view.labels.value(kLabelTime), ":");
  for (int label : {4, 10, 11, 12, 13}) EXPECT_EQ(view.labels.value(label), "") << label;
  EXPECT_EQ(view.labels.value(kLabelTitle), "x");
  EXPECT_FALSE(view.IsSliderVisible(kSliderPosition));
}

}  // namespace
