#pragma once
// What the player shows of an MPEG audio file: the first frame header
// (bitrate, sample rate, channel mode) and the 128-byte tag at the end.

#include <QString>
#include <cstdint>

namespace kd {

class PlayerView;

// The tag of the last examined file. Text fields are decoded and cut at
// their first NUL; an absent tag leaves every text empty.
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
  int sampleRateKhz = 0;  // whole kHz as shown (44 for 44.1)
  bool stereo = false;    // any mode but mono
};

// Examines `songPath`: resets `info`, reads the frame header and the tag
// (a few kilobytes at most, never the whole file), writes labels 10-12 and
// displays 4 and 5. Missing, unreadable or too short (< 256 bytes) files
// leave the view untouched and `info` reset.
MpegHeaderInfo GetMP3Info(const QString& songPath, ID3Info& info, PlayerView& view);

// Empties the track information: label 1 ":", labels 4, 10-13 "", slider 1 hidden.
void ClearInf(PlayerView& view);

}  // namespace kd
