#pragma once
// Media files for the engine's tests and benchmarks, made on the spot: WAV
// and MIDI written byte by byte, MP3 and video encoded by GStreamer pipelines.

#include <QByteArray>
#include <QString>

namespace kd::test {

// 16-bit PCM at 44.1 kHz: a 440 Hz sine on the first channel and, with two
// channels, a quieter 660 Hz sine on the second, so that channels can be told apart.
QByteArray MakeWav(double seconds, int channels);
// A format-0 Standard MIDI File: four quarter notes at 120 beats a minute (2 s).
QByteArray MakeMidi();
// An ID3v2.3 tag with one title frame, and a 128-byte ID3v1 tag.
QByteArray MakeId3v2Tag(const QByteArray& title);
QByteArray MakeId3v1Tag(const QByteArray& title);
// An ID3v2.3 tag with a title frame and a front-cover picture frame.
QByteArray MakeId3v2TagWithPicture(const QByteArray& title, const QByteArray& jpeg);
// Reproducible noise.
QByteArray MakeNoise(int size, unsigned seed);
// Encodes `seconds` of a stereo sine as constant-bitrate 128 kbit/s MP3 into
// `path`. Initialises GStreamer. False when the encoder is missing or fails.
bool EncodeMp3(const QString& path, double seconds);
// Two seconds of the stereo sine through `encoder` (a pipeline part such as
// "flacenc" or "vorbisenc ! oggmux") with the tags `tags` ("title=\"A\",
// artist=B") given to it. False when an element is missing or fails.
bool EncodeTagged(const QString& path, const QString& encoder, const QString& tags);
// An AVI of `seconds`: small test-card pictures as JPEG with the same sine as PCM.
bool EncodeVideo(const QString& path, double seconds);

}  // namespace kd::test
