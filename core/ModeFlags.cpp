#include "core/ModeFlags.h"

namespace kd {

std::array<bool, kLightCount + 1> LightTable(const ModeFlags& f) {
  const bool abRepeat = f.RptB > 0;
  return {
      false,      // no light 0
      f.Stereo,   // 1
      f.Playing,  // 2
      f.Paused,   // 3
      f.Playing,  // 4
      f.Intro,    // 5
      f.STP,      // 6
      f.Repeat,   // 7
      abRepeat,   // 8
      f.Random,   // 9
      f.Shuffle,  // 10
      f.Intro,    // 11
      f.STP,      // 12
      f.Repeat,   // 13
      abRepeat,   // 14
      f.Random,   // 15
      f.Shuffle,  // 16
      f.Mute,     // 17
      false,      // 18 is never shown
  };
}

}  // namespace kd
