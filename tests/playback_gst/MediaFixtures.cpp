#include "playback_gst/MediaFixtures.h"

#include <gst/gst.h>

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <random>

namespace kd::test {

namespace {

constexpr int kRate = 44100;

void appendLe16(QByteArray& out, quint16 value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  out.append(bytes, 2);
}

void appendLe32(QByteArray& out, quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  out.append(bytes, 4);
}

void appendBe32(QByteArray& out, quint32 value) {
  char bytes[4];
  qToBigEndian(value, bytes);
  out.append(bytes, 4);
}

qint16 sineSample(double frequency, double amplitude, int index) {
  return static_cast<qint16>(std::lround(
      amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequency * index / kRate)));
}

}  // namespace

QByteArray MakeWav(double seconds, int channels) {
  const auto frames = static_cast<quint32>(std::lround(seconds * kRate));
  const quint32 dataBytes = frames * channels * 2;
  QByteArray out("RIFF");
  appendLe32(out, 36 + dataBytes);
  out.append("WAVEfmt ");
  appendLe32(out, 16);
  appendLe16(out, 1);  // PCM
  appendLe16(out, static_cast<quint16>(channels));
  appendLe32(out, kRate);
  appendLe32(out, kRate * channels * 2);
  appendLe16(out, static_cast<quint16>(channels * 2));
  appendLe16(out, 16);
  out.append("data");
  appendLe32(out, dataBytes);
  for (quint32 i = 0; i < frames; ++i) {
    appendLe16(out, static_cast<quint16>(sineSample(440.0, 0.5, i)));
    if (channels == 2) appendLe16(out, static_cast<quint16>(sineSample(660.0, 0.25, i)));
  }
  return out;
}

QByteArray MakeMidi() {
  // 480 ticks a quarter note, default tempo (500000 us a quarter note).
  QByteArray track;
  track.append("\x00\xC0\x00", 3);  // program change: piano
  for (const char note : {60, 64, 67, 72}) {
    track.append('\x00').append('\x90').append(note).append('\x64');  // note on
    track.append("\x83\x60", 2);                                      // 480 ticks later
    track.append('\x80').append(note).append('\x00');                 // note off
  }
  track.append("\x00\xFF\x2F\x00", 4);  // end of track

  QByteArray out("MThd");
  appendBe32(out, 6);
  out.append("\x00\x00\x00\x01\x01\xE0", 6);  // format 0, one track, 480 ticks
  out.append("MTrk");
  appendBe32(out, static_cast<quint32>(track.size()));
  return out + track;
}

QByteArray MakeId3v2Tag(const QByteArray& title) {
  QByteArray frame("TIT2");
  appendBe32(frame, static_cast<quint32>(title.size() + 1));
  frame.append("\x00\x00\x00", 3);  // flags, then text encoding ISO-8859-1
  frame.append(title);
  // Padding, as taggers leave it, makes the tag a less trivial skip.
  frame.append(QByteArray(200, '\0'));
  const auto size = static_cast<quint32>(frame.size());
  QByteArray out("ID3\x03\x00\x00", 6);
  for (int shift = 21; shift >= 0; shift -= 7)
    out.append(static_cast<char>((size >> shift) & 0x7F));
  return out + frame;
}

QByteArray MakeId3v1Tag(const QByteArray& title) {
  QByteArray out("TAG");
  out.append(title.left(30).leftJustified(30, ' '));
  out.append(QByteArray(30, ' '));  // artist
  out.append(QByteArray(30, ' '));  // album
  out.append("2024");
  out.append(QByteArray(30, ' '));  // comment
  out.append('\x0C');               // genre
  return out;
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

bool EncodeVideo(const QString& path, double seconds) {
  return runToFile(QStringLiteral("videotestsrc num-buffers=%1 ! "
                                  "video/x-raw,width=160,height=120,framerate=25/1 ! jpegenc ! "
                                  "avimux name=mux ! filesink name=out ")
                           .arg(std::lround(seconds * 25)) +
                       sineSource(seconds) + QStringLiteral(" ! audioconvert ! mux."),
                   path);
}

}  // namespace kd::test
