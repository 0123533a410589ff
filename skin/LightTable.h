#pragma once
// Which of a skin's indicator lights show, from what the player is doing.

#include <array>

namespace kd {

struct LightConditions {
  bool stereo = false;
  bool mono = false;     // an item with one known channel is loaded
  bool playing = false;  // an item is loaded, paused or not
  bool paused = false;
  bool intro = false;
  bool stopAfterEach = false;
  bool repeat = false;
  bool abRepeat = false;
  bool shuffle = false;
  bool muted = false;
};

// Lights 1..18 are those a .skin file places; 19, the mono lamp, only
// skins built in code use.
inline constexpr int kLightCount = 19;
inline constexpr int kMonoLight = 19;
using LightStates = std::array<bool, kLightCount + 1>;

// Visibility of lights 1..19 (index 0 unused).
LightStates LightTable(const LightConditions& conditions);

}  // namespace kd
