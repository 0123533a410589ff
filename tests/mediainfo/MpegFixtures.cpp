#include "MpegFixtures.h"

namespace kd::test {

QByteArray frameHeader(const FrameSpec& s) {
  QByteArray h(4, '\0');
  h[0] = char(0xFF);
  h[1] = char(0xE0 | (s.versionBits << 3) | (s.layerBits << 1) | 1);  // 1: no CRC
  h[2] = char((s.bitrateIndex << 4) | (s.sampleRateIndex << 2) | (s.padding ? 2 : 0));
  h[3] = char(s.modeBits << 6);
  return h;
}

QByteArray frames(const FrameSpec& spec, int length, int count) {
  QByteArray one = frameHeader(spec) + QByteArray(length - 4, '\0');
  return one.repeated(count);
}

QByteArray noise(int size) {
  QByteArray bytes(size, '\0');
  quint32 state = 12345;
  for (int i = 0; i < size; ++i) {
    state = state * 1103515245u + 12345u;
    bytes[i] = char((state >> 16) % 255);  // 0..254
  }
  return bytes;
}

QByteArray id3v2Header(quint32 bodySize, bool footer) {
  QByteArray h("ID3\x04\x00", 5);
  h.append(char(footer ? 0x10 : 0x00));
  for (int shift = 21; shift >= 0; shift -= 7) h.append(char((bodySize >> shift) & 0x7F));
  return h;
}

QByteArray id3v2Tag(int bodySize, bool footer) {
  QByteArray tag = id3v2Header(bodySize, footer) + QByteArray(bodySize, '\0');
  if (footer) {
    QByteArray foot = id3v2Header(bodySize, true);
    foot.replace(0, 3, "3DI");
    tag += foot;
  }
  return tag;
}

namespace {
QByteArray field(const QByteArray& text, int width, char pad) {
  QByteArray f = text.left(width);
  return f + QByteArray(width - f.size(), pad);
}
}  // namespace

QByteArray id3v1Tag(const TagFields& t) {
  QByteArray tag("TAG");
  tag += field(t.title, 30, t.pad);
  tag += field(t.artist, 30, t.pad);
  tag += field(t.album, 30, t.pad);
  tag += field(t.year, 4, t.pad);
  tag += field(t.comment, 29, t.pad);
  tag += t.track;
  tag += t.genre;
  return tag;
}

}  // namespace kd::test
