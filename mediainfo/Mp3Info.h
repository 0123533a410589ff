#pragma once
// What the player shows of an MPEG audio file: the first frame header
// (bitrate, sample rate, channel mode) and the 128-byte tag at the end.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

#include "util/TextCodec.h"

namespace kd {

// The tag of the last examined file. Text fields are decoded and cut at
// their first NUL; blanks that pad a field in the file are kept as they are
// (readers trim). An absent tag leaves every text empty.
struct ID3Info {
  QString Title;    // 30 bytes in the file
  QString Artist;   // 30
  QString Album;    // 30
  QString Year;     // 4
  QString Comment;  // 29 (the byte before the track number included)
  uint8_t Track = ' ';
  uint8_t Genre = 80;  // 80: one past the last known genre ("Unknown")
  bool present = false;

  void reset() { *this = ID3Info(); }
};

struct MpegHeaderInfo {
  bool found = false;
  QString bitrateText;      // "128"; "" when unknown or free format
  QString sampleRateText;   // "44" for 44.1 kHz, "48", "22", ...; "" when unknown
  QString channelModeText;  // "stereo", "jstereo", "dualch", "mono"
  int bitrateKbps = 0;
  int sampleRateKhz = 0;    // whole kHz as shown (44 for 44.1)
  bool stereo = false;      // any mode but mono
  int sampleRateHz = 0;     // exact rate (44100)
  qint64 frameOffset = -1;  // where the first frame starts in the file; -1 when none
};

// The header and tag of one MPEG audio file.
struct Mp3Facts {
  MpegHeaderInfo header;  // `found` is false when no frame was found
  ID3Info tag;
};

// Examines `songPath`: the frame header and the tag (the ID3v2 tag headers,
// at most 72 KiB of audio and the last 128 bytes, never the whole file).
// nullopt for missing, unreadable or too short (< 256 bytes) files. Tag texts
// that are not UTF-8 are read in `codepage`.
std::optional<Mp3Facts> ReadMp3Facts(const QString& songPath,
                                     const QByteArray& codepage = kDefaultCodepage);

// The same examination on the bytes of a whole file held in memory.
MpegHeaderInfo ExamineMp3Bytes(QByteArrayView fileBytes, ID3Info& info,
                               const QByteArray& codepage = kDefaultCodepage);

}  // namespace kd
