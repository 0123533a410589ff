#pragma once
// When the next position tick is worth making: at the first moment anything
// it drives can change — the shown time (counting up or down), the position
// knob, the end of an intro, the end of an A-B repeat or of the item. Until
// then a tick would only read the same things again.

namespace kd {

struct TickPlanInput {
  double position = 0;  // seconds into the item
  double length = 0;    // seconds; 0 or less while unknown
  double speed = 1;     // seconds of the item per real second
  bool paused = false;
  bool intro = false;    // the intro scan ends the item after its tenth second
  double repeatEnd = 0;  // the A-B repeat's end; 0 when none is set
  int knobTravel = 0;    // pixels the position knob moves over; 0 when none shows
};

inline constexpr int kShortestTickWaitMs = 25;
inline constexpr int kLongestTickWaitMs = 1000;

// Milliseconds from now, within [kShortestTickWaitMs, kLongestTickWaitMs].
int MsUntilNextVisibleChange(const TickPlanInput& input);

}  // namespace kd
