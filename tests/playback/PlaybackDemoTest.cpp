// The player end to end through the GStreamer engine: a three-entry playlist
// of short generated files played by the real 25 ms timer in an event loop,
// with intro scan, repeat and shuffle, checked through the labels it writes.

#include <gtest/gtest.h>

#include <QDataStream>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "RecordingView.h"
#include "core/Settings.h"
#include "playback/CoverHooks.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerState.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/gst/GstMediaEngine.h"
#include "playlist/Playlist.h"
#include "support/TempDir.h"
#include "util/MessageSink.h"

namespace kd::test {
namespace {

// `seconds` of 16-bit mono silence at 8 kHz.
QByteArray Wav(double seconds) {
  const quint32 rate = 8000;
  const quint32 dataSize = static_cast<quint32>(seconds * rate) * 2;
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + dataSize);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
  out.writeRawData("data", 4);
  out << dataSize;
  bytes.append(QByteArray(dataSize, '\0'));
  return bytes;
}

// `seconds` of silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz, joint
// stereo; empty side information decodes to silence) and a tag titled `title`.
QByteArray Mp3(double seconds, const QByteArray& title) {
  const int frames = static_cast<int>(seconds * 44100 / 1152) + 1;
  QByteArray bytes;
  for (int i = 0; i < frames; ++i) {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x44);
    bytes += frame;
  }
  QByteArray tag = "TAG" + title.leftJustified(30, ' ') + QByteArray(94, ' ');
  tag += char(12);
  return bytes + tag;
}

class NoMessages : public MessageSink {
 public:
  void ShowMessage(const QString& text) override { shown.append(text); }
  QStringList shown;
};

class PlaybackDemoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("KAVORODECK_AUDIO_SINK")) {
      qputenv("KAVORODECK_AUDIO_SINK", "fakesink sync=true");
    }
  }

  void SetUp() override {
    playlist.append({"Alpha", dir.write("a.wav", Wav(1.0))});
    playlist.append({"b", dir.write("b.mp3", Mp3(2.0, "Beta Song"))});
    playlist.append({"Gamma", dir.write("c.wav", Wav(1.0))});
  }

  // Runs the event loop until `done` holds or `limitMs` passed; false on time-out.
  bool runUntil(const std::function<bool()>& done, int limitMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    poll.start(20);
    loop.exec();
    return done();
  }

  QStringList titles() const {
    QStringList names;
    for (const QString& line : view.linesStartingWith("L2=")) names.append(line.mid(3));
    return names;
  }

  TempDir dir;
  OutputDevice device;
  GstMediaEngine engine{&device};
  RecordingView view;
  Playlist playlist;
  PlayerState state;
  Settings settings;
  NoMessages messages;
  CoverHooks covers;
  PositionTimer timer;
  Transport transport{state, playlist, view, engine, timer, messages, covers, settings};
  QList<int> randomPicks;
  PositionTick tick{transport, view, timer,
                    [this](int) { return randomPicks.isEmpty() ? 1 : randomPicks.takeFirst(); }};
};

TEST_F(PlaybackDemoTest, ThePlaylistPlaysThroughOnceWithIntroScan) {
  state.flags.Intro = true;  // every item is shorter than the scan: each ends at its end
  transport.PlayIt();
  ASSERT_TRUE(state.flags.Playing);
  EXPECT_TRUE(runUntil([&] { return !state.flags.Playing; }, 30000));

  EXPECT_EQ(titles(), QStringList({"Alpha", "Beta Song", "Gamma"}));
  EXPECT_EQ(view.linesStartingWith("L13="), QStringList({"L13=0:01", "L13=0:02", "L13=0:01"}));
  EXPECT_EQ(view.linesStartingWith("L4="), QStringList({"L4= 1", "L4= 2", "L4= 3"}));
  const QStringList times = view.linesStartingWith("L1=");
  EXPECT_TRUE(times.contains("L1=0:00"));
  EXPECT_TRUE(times.contains("L1=0:02"));  // the MP3 reaches its second second
  EXPECT_EQ(view.linesStartingWith("L12="), QStringList({"L12=", "L12=", "L12=jstereo", "L12="}));
  EXPECT_EQ(playlist.TNum(), 1);  // past the last entry: the first, stopped
  EXPECT_EQ(playlist.entry(1).name, "Beta Song");
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PlaybackDemoTest, RepeatPlaysTheSameEntryAgain) {
  state.flags.Repeat = true;
  playlist.setTNum(3);
  transport.PlayIt();
  EXPECT_TRUE(runUntil([&] { return titles().size() >= 3; }, 20000));
  transport.StopIt();
  EXPECT_EQ(titles().mid(0, 3), QStringList({"Gamma", "Gamma", "Gamma"}));
  EXPECT_EQ(playlist.TNum(), 3);
}

TEST_F(PlaybackDemoTest, ShuffleFollowsTheRandomSource) {
  state.flags.Shuffle = true;
  randomPicks = {3, 2, 1};
  transport.PlayIt();
  EXPECT_TRUE(runUntil([&] { return titles().size() >= 3; }, 20000));
  transport.StopIt();
  EXPECT_EQ(titles().mid(0, 3), QStringList({"Alpha", "Gamma", "Beta Song"}));
}

}  // namespace
}  // namespace kd::test
