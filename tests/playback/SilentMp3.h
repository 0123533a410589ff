#pragma once
// MPEG files made on the spot for the player's tests.

#include <QByteArray>

namespace kd::test {

// `frames` silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz, 417 bytes and
// 26 ms each; empty side information decodes to silence), joint stereo or
// mono, then a 128-byte ID3v1 tag with the texts given.
inline QByteArray SilentMp3(int frames, bool stereo, const QByteArray& title,
                            const QByteArray& artist = {}, const QByteArray& album = {}) {
  QByteArray frame(417, '\0');
  frame.replace(0, 4, QByteArray("\xFF\xFB\x90") + char(stereo ? 0x44 : 0xC4));
  const auto field = [](const QByteArray& text) { return text.leftJustified(30, ' ', true); };
  return frame.repeated(frames) + "TAG" + field(title) + field(artist) + field(album) + "2001" +
         field({}) + char(12);
}

}  // namespace kd::test
