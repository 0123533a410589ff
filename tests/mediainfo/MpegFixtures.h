#pragma once
// Byte fixtures for MPEG audio files, built from raw bit fields: frame
// headers and streams, ID3v2 tags and the 128-byte tag at the end.

#include <QByteArray>

namespace kd::test {

// Version bits: 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5, 1 reserved.
// Layer bits: 3 layer I, 2 layer II, 1 layer III, 0 reserved.
struct FrameSpec {
  int versionBits = 3;
  int layerBits = 1;
  int bitrateIndex = 9;
  int sampleRateIndex = 0;
  int modeBits = 0;
  bool padding = false;
};

inline QByteArray frameHeader(const FrameSpec& s) {
  QByteArray h(4, '\0');
  h[0] = char(0xFF);
  h[1] = char(0xE0 | (s.versionBits << 3) | (s.layerBits << 1) | 1);  // 1: no CRC
  h[2] = char((s.bitrateIndex << 4) | (s.sampleRateIndex << 2) | (s.padding ? 2 : 0));
  h[3] = char(s.modeBits << 6);
  return h;
}

// `count` frames of `length` bytes each: the header, then zero bytes.
inline QByteArray frames(const FrameSpec& fields, int length, int count) {
  return (frameHeader(fields) + QByteArray(length - 4, '\0')).repeated(count);
}

// Bytes that hold no 0xFF, so nothing in them can look like a frame sync
// (the search only ever stops at a 0xFF byte).
inline QByteArray noise(int size) {
  return QByteArray(size, '\x5A');
}

// The 10-byte ID3v2.4 header; its size bytes are synchsafe.
inline QByteArray id3v2Header(quint32 bodySize, bool footer = false) {
  QByteArray h("ID3\x04\x00", 5);
  h.append(char(footer ? 0x10 : 0x00));
  for (int shift = 21; shift >= 0; shift -= 7) h.append(char((bodySize >> shift) & 0x7F));
  return h;
}

// A whole ID3v2 tag around `body`, with its footer when asked.
inline QByteArray id3v2Tag(const QByteArray& body, bool footer = false) {
  const QByteArray header = id3v2Header(body.size(), footer);
  return header + body + (footer ? "3DI" + header.mid(3) : QByteArray());
}

struct TagFields {
  QByteArray title{}, artist{}, album{}, year{}, comment{};
  char track = 0;
  char genre = 0;
  char pad = '\0';  // what fills each field after its text
};

// "TAG" and the fields at their byte offsets: 128 bytes.
inline QByteArray id3v1Tag(const TagFields& t) {
  const auto field = [&t](const QByteArray& text, int width) {
    return text.left(width) + QByteArray(width - qMin<int>(text.size(), width), t.pad);
  };
  return "TAG" + field(t.title, 30) + field(t.artist, 30) + field(t.album, 30) + field(t.year, 4) +
         field(t.comment, 29) + t.track + t.genre;
}

}  // namespace kd::test
