#include "skin/LightTable.h"

namespace kd {

LightStates LightTable(const LightConditions& c) {
  return {
      false,            // no light 0
      c.stereo,         // 1
      c.playing,        // 2
      c.paused,         // 3
      c.playing,        // 4
      c.intro,          // 5
      c.stopAfterEach,  // 6
      c.repeat,         // 7
      c.abRepeat,       // 8
      c.shuffle,        // 9: random order
      c.shuffle,        // 10
      c.intro,          // 11
      c.stopAfterEach,  // 12
      c.repeat,         // 13
      c.abRepeat,       // 14
      c.shuffle,        // 15
      c.shuffle,        // 16
      c.muted,          // 17
      false,            // 18 is never shown
      c.mono,           // 19
  };
}

}  // namespace kd
