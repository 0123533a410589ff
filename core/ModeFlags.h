#pragma once
// The player's mode and transport flags that the indicator lights show.

#include <array>
#include <cstdint>

namespace kd {

struct ModeFlags {
  bool Stereo = false;
  bool Playing = false;
  bool Paused = false;
  bool Intro = false;
  bool STP = false;  // stop after each item
  bool Repeat = false;
  bool Random = false;
  bool Shuffle = false;
  bool Mute = false;
  int32_t RptB = 0;  // A-B repeat end point, seconds; 0 = off
};

inline constexpr int kLightCount = 18;

// Visibility of lights 1..18 (index 0 unused) for the given flags.
std::array<bool, kLightCount + 1> LightTable(const ModeFlags& flags);

}  // namespace kd
