#pragma once
// The player's transport variables, shared by the transport, the position
// tick, the output levels and the slider actions. Plain data: the classes that
// own the rules change it and publish it through core/PlayerView.

#include <QString>
#include <array>
#include <cstdint>

#include "core/ModeFlags.h"
#include "core/PlayerView.h"
#include "mediainfo/Mp3Info.h"

namespace kd {

// Kinds of the current item as stored in PlayerState::Dev.
inline const QString kDevEngine = QStringLiteral("DX");    // played by the media engine
inline const QString kDevDelay = QStringLiteral("Delay");  // a picture or a halting item

inline constexpr int kSliderCount = 5;

struct PlayerState {
  ModeFlags flags;  // Stereo, Playing, Paused, Intro, STP, Repeat, Random, Shuffle, Mute, RptB

  QString SongPath;           // path or URL of the item being played
  QString SongName;           // its display name
  QString Dev;                // kDevEngine, kDevDelay or "" after a missing file
  bool InternetFile = false;  // the item is a stream address
  double SongLen = 0;         // seconds; 0 for a stream, 5 for a picture
  double Elapsed = 0;         // playing position, seconds
  double Remain = 0;          // SongLen - Elapsed
  int32_t TimeDisp = 0;       // whole seconds on the time display
  bool TimeFlag = false;      // the time display counts down
  int16_t SlideFlag = 0;      // slider being dragged, 0 = none
  int32_t RptA = 0;           // A-B repeat start, whole seconds (the end is flags.RptB)

  // Slider values 0..1 by index 1..5 (index 0 unused): position, volume,
  // balance, volume bar, rate (0.5 = normal speed).
  std::array<float, kSliderCount + 1> sliders{0.0f, 0.0f, 1.0f, 0.5f, 1.0f, 0.5f};
  float balance = 0.5f;     // 0 full left, 0.5 centre, 1 full right
  int16_t savedVolume = 0;  // whole percent at the moment of muting

  // The tag of the last examined MPEG file.
  ID3Info ID3;
  // The time text last written to label 1; "" forces the next tick to write.
  QString shownTimeText;

  float slider(int index) const { return sliders.at(index); }
  // Stores the value of slider `index` and places its knob.
  void SetSliderPos(PlayerView& view, int index, float value) {
    sliders.at(index) = value;
    view.SetSliderPos(index, value);
  }
  void ShowLights(PlayerView& view) const { view.ShowLights(flags); }
};

}  // namespace kd
