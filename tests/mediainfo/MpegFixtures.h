#pragma once
// Byte fixtures for MPEG audio files: frame headers, frame streams, ID3v2
// tag headers and 128-byte tags, built from their raw bit fields.

#include <QByteArray>

namespace kd::test {

// Raw header fields. Version bits: 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5, 1 reserved.
// Layer bits: 3 layer I, 2 layer II, 1 layer III, 0 reserved.
struct FrameSpec {
  int versionBits = 3;
  int layerBits = 1;
  int bitrateIndex = 9;
  int sampleRateIndex = 0;
  int modeBits = 0;
  bool padding = false;
};

QByteArray frameHeader(const FrameSpec& spec);
// `count` frames of `length` bytes each: the header, then a body of zero bytes.
QByteArray frames(const FrameSpec& spec, int length, int count);
// Bytes that hold no 0xFF, so nothing in them can look like a frame sync.
QByteArray noise(int size);
// An ID3v2.4 tag of `bodySize` bytes (zeros) and the footer when asked.
QByteArray id3v2Tag(int bodySize, bool footer = false);
// The 10-byte ID3v2 header alone.
QByteArray id3v2Header(quint32 bodySize, bool footer = false);

struct TagFields {
  QByteArray title, artist, album, year, comment;
  char track = 0;
  char genre = 0;
  char pad = '\0';  // what fills each field after its text
};
// "TAG" and the fields at their byte offsets: 128 bytes.
QByteArray id3v1Tag(const TagFields& fields);

}  // namespace kd::test
