#include "playback_gst/MediaFixtures.h"

#include <gst/gst.h>

#include <QDataStream>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <random>

namespace kd::test {

namespace {

constexpr int kRate = 44100;

QByteArray be32(quint32 value) {
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

qint16 sineSample(double frequency, double amplitude, int index) {
  return static_cast<qint16>(std::lround(
      amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequency * index / kRate)));
}

}  // namespace

QByteArray MakeWav(double seconds, int channels) {
  const auto frames = static_cast<quint32>(std::lround(seconds * kRate));
  const quint32 dataBytes = frames * channels * 2;
  QByteArray out;
  QDataStream stream(&out, QIODevice::WriteOnly);
  stream.setByteOrder(QDataStream::LittleEndian);
  stream.writeRawData("RIFF", 4);
  stream << quint32(36 + dataBytes);
  stream.writeRawData("WAVEfmt ", 8);
  stream << quint32(16) << quint16(1) << quint16(channels) << quint32(kRate)  // PCM
         << quint32(kRate * channels * 2) << quint16(channels * 2) << quint16(16);
  stream.writeRawData("data", 4);
  stream << dataBytes;
  for (quint32 i = 0; i < frames; ++i) {
    stream << sineSample(440.0, 0.5, i);
    if (channels == 2) stream << sineSample(660.0, 0.25, i);
  }
  return out;
}

QByteArray MakeMidi() {
  // 480 ticks a quarter note, default tempo (500000 us a quarter note).
  QByteArray track("\x00\xC0\x00", 3);  // program change: piano
  for (const char note : {60, 64, 67, 72}) {
    // Note on, 480 ticks later note off.
    track += QByteArray(1, '\0') + '\x90' + note + "\x64\x83\x60\x80" + note + '\0';
  }
  track.append("\x00\xFF\x2F\x00", 4);  // end of track
  // Format 0, one track, 480 ticks.
  return "MThd" + be32(6) + QByteArray("\x00\x00\x00\x01\x01\xE0", 6) + "MTrk" +
         be32(track.size()) + track;
}

QByteArray MakeId3v2Tag(const QByteArray& title) {
  // Flags, then text encoding ISO-8859-1; padding, as taggers leave it, makes
  // the tag a less trivial skip.
  const QByteArray frame =
      "TIT2" + be32(title.size() + 1) + QByteArray(3, '\0') + title + QByteArray(200, '\0');
  QByteArray out("ID3\x03\x00\x00", 6);
  for (int shift = 21; shift >= 0; shift -= 7)
    out.append(static_cast<char>((frame.size() >> shift) & 0x7F));
  return out + frame;
}

QByteArray MakeId3v2TagWithPicture(const QByteArray& title, const QByteArray& jpeg) {
  const auto frame = [](const char* id, const QByteArray& body) {
    return QByteArray(id) + be32(body.size()) + QByteArray(2, '\0') + body;
  };
  // Encoding ISO-8859-1; the picture: MIME type, type 3 (front cover), no description.
  const QByteArray frames =
      frame("TIT2", '\0' + title) +
      frame("APIC", QByteArray(1, '\0') + "image/jpeg" + '\0' + '\x03' + '\0' + jpeg);
  QByteArray out("ID3\x03\x00\x00", 6);
  for (int shift = 21; shift >= 0; shift -= 7)
    out.append(static_cast<char>((frames.size() >> shift) & 0x7F));
  return out + frames;
}

QByteArray MakeId3v1Tag(const QByteArray& title) {
  // Title, artist, album, year, comment, genre.
  return "TAG" + title.leftJustified(30, ' ', true) + QByteArray(60, ' ') + "2024" +
         QByteArray(30, ' ') + '\x0C';
}

QByteArray MakeNoise(int size, unsigned seed) {
  std::mt19937 generator(seed);
  QByteArray out(size, '\0');
  for (char& byte : out) byte = static_cast<char>(generator() & 0xFF);
  return out;
}

namespace {

// Runs a pipeline whose "out" element is a filesink to `path`, to its end.
bool runToFile(const QString& description, const QString& path) {
  gst_init(nullptr, nullptr);
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &error);
  if (!pipeline || error) {
    g_clear_error(&error);
    if (pipeline) gst_object_unref(pipeline);
    return false;
  }
  GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
  g_object_set(sink, "location", QFile::encodeName(path).constData(), nullptr);
  gst_object_unref(sink);

  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* message = gst_bus_timed_pop_filtered(
      bus, 60 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  const bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
  if (message) gst_message_unref(message);
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return ok;
}

// 441 samples a buffer: 100 buffers a second, so any hundredth of a second is exact.
QString sineSource(double seconds) {
  return QStringLiteral(
             "audiotestsrc wave=sine freq=440 volume=0.5 samplesperbuffer=441 num-buffers=%1 ! "
             "audio/x-raw,rate=44100,channels=2")
      .arg(std::lround(seconds * 100));
}

}  // namespace

bool EncodeMp3(const QString& path, double seconds) {
  return runToFile(sineSource(seconds) +
                       QStringLiteral(" ! audioconvert ! lamemp3enc target=bitrate bitrate=128 "
                                      "cbr=true ! filesink name=out"),
                   path);
}

bool EncodeTagged(const QString& path, const QString& encoder, const QString& tags) {
  return runToFile(sineSource(2.0) + QStringLiteral(" ! audioconvert ! taginject tags=\"%1\" ! %2 "
                                                    "! filesink name=out")
                                         .arg(tags, encoder),
                   path);
}

bool EncodeVideo(const QString& path, double seconds) {
  return runToFile(QStringLiteral("videotestsrc num-buffers=%1 ! "
                                  "video/x-raw,width=160,height=120,framerate=25/1 ! jpegenc ! "
                                  "avimux name=mux ! filesink name=out ")
                           .arg(std::lround(seconds * 25)) +
                       sineSource(seconds) + QStringLiteral(" ! audioconvert ! mux."),
                   path);
}

}  // namespace kd::test
