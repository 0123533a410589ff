#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QSet>

#include "MpegFixtures.h"
#include "core/PlayerView.h"
#include "mediainfo/Mp3Info.h"
#include "mediainfo/MpegHeader.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

using namespace kd;
using namespace kd::test;

namespace {

// Records what the player logic writes; `writes` counts every change.
class RecordingPlayerView : public PlayerView {
 public:
  void SetLabel(int index, const QString& text) override {
    labels[index] = text;
    ++writes;
  }
  QString LabelText(int index) const override { return labels.value(index); }
  void SetDD(int index, double value) override {
    displays[index] = value;
    ++writes;
  }
  void SetDD(int, const QString&) override { ++writes; }
  void ShowLights(const ModeFlags&) override { ++writes; }
  void SetSliderPos(int, float) override { ++writes; }
  void ShowSlider(int index) override { hidden.remove(index); }
  void HideSlider(int index) override { hidden.insert(index); }
  bool IsSliderVisible(int index) const override { return !hidden.contains(index); }

  QMap<int, QString> labels;
  QMap<int, double> displays;
  QSet<int> hidden;
  int writes = 0;
};

const FrameSpec kJointStereo128{3, 1, 9, 0, 1};  // MPEG-1 layer III, 128 kbit/s, 44.1 kHz
const QByteArray kAudio = frames(kJointStereo128, 417, 10);

QByteArray songTag() {
  return id3v1Tag({.title = EncodeLegacy(QString::fromUtf8("中文歌曲")),
                   .artist = "Band",
                   .track = 3,
                   .genre = 13});
}

// What the view shows of a frame: labels 10-12, then displays 4 and 5.
QString shown(const RecordingPlayerView& v) {
  return QStringList{v.labels.value(kLabelBitrate, "-"), v.labels.value(kLabelSampleRate, "-"),
                     v.labels.value(kLabelChannels, "-"),
                     QString::number(v.displays.value(kDisplayBitrate, -1)),
                     QString::number(v.displays.value(kDisplaySampleRate, -1))}
      .join('|');
}

class Mp3Info : public testing::Test {
 protected:
  MpegHeaderInfo examine(const QByteArray& bytes) {
    return GetMP3Info(m_dir.write(QStringLiteral("song.mp3"), bytes), m_info, m_view);
  }

  TempDir m_dir;
  ID3Info m_info;
  RecordingPlayerView m_view;
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
    m_view = RecordingPlayerView();
    const MpegHeaderInfo header = examine(c.bytes);
    EXPECT_EQ(header.found, c.frameAt >= 0);
    EXPECT_EQ(header.frameOffset, c.frameAt);
    EXPECT_EQ(shown(m_view), c.shown);
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
  const MpegHeaderInfo header = GetMP3Info(path, m_info, m_view);
  EXPECT_EQ(header.frameOffset, 10 + body);
  EXPECT_EQ(shown(m_view), "32|11|mono|32|11");
  EXPECT_TRUE(m_info.present);
}

TEST_F(Mp3Info, MissingAndShortFilesLeaveTheViewAlone) {
  const QByteArray cut = frameHeader(kJointStereo128) + QByteArray(123, '\0') + songTag();
  for (const QString& path : {QString(), m_dir.path() + QStringLiteral("missing.mp3"),
                              m_dir.mkdir(QStringLiteral("folder.mp3")),
                              m_dir.write(QStringLiteral("short.mp3"), cut)}) {  // 255 bytes
    m_info.Title = "previous song";
    m_info.present = true;
    EXPECT_FALSE(GetMP3Info(path, m_info, m_view).found) << qPrintable(path);
    EXPECT_FALSE(m_info.present);
    EXPECT_EQ(m_info.Title, "");
  }
  EXPECT_EQ(m_view.writes, 0);
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
