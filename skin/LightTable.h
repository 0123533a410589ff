#pragma once
// Which of a skin's indicator lights show, from what the player is doing.

#include <array>

namespace kd {

struct LightConditions {
  bool stereo = false;
  bool playing = false;  // an item is loaded, paused or not
  bool paused = false;
  bool intro = false;
  bool stopAfterEach = false;
  bool repeat = false;
  bool abRepeat = false;
  bool shuffle = false;
  bool muted = false;
};

inline constexpr int kLightCount = 18;
using LightStates = std::array<bool, kLightCount + 1>;

// Visibility of lights 1..18 (index 0 unused).
LightStates LightTable(const LightConditions& conditions);

}  // namespace kd
