#pragma once
// What the skin's slider knobs do: a new value chosen with the mouse, the
// release of the position knob (the seek), and double-clicks. The skin widgets
// turn pointer positions into values and call these.

#include <optional>

namespace kd {

// What a slider stands for.
enum class SliderRole { Position, Volume, Balance, VolumeBar, Rate };

class PlayerModel;
class PositionTimer;
class Transport;
class VolumeControl;

class SliderActions {
 public:
  SliderActions(PlayerModel& model, Transport& transport, VolumeControl& volume,
                PositionTimer& timer);

  // Acts on value `value` (0..1) of the slider.
  void applySlider(SliderRole role, float value);
  // A press on a knob; only when no other knob is being dragged. A
  // horizontal knob stops the position timer for the drag.
  void pressKnob(SliderRole role, bool horizontal);
  // A movement of the dragged knob to `value`.
  void moveKnob(SliderRole role, float value);
  // The release: the position knob seeks, but only to a value that a movement
  // of this drag chose. The timer runs again.
  void releaseKnob(SliderRole role);
  // Balance: centred. Rate: normal. Other knobs: nothing.
  void doubleClickKnob(SliderRole role);
  // The mouse wheel turned `steps` notches (positive: up) over a slider: the
  // volume moves as its keys move it (5 % a step), balance and rate by 5 %
  // of their range a step; the position and the volume bar do not move.
  void wheelSlider(SliderRole role, int steps);

 private:
  PlayerModel& m_model;
  Transport& m_transport;
  VolumeControl& m_volume;
  PositionTimer& m_timer;
  std::optional<SliderRole> m_heldKnob;  // the knob being dragged
  float m_newValue = 0;                  // the value of the last movement of this drag
  bool m_moved = false;
};

}  // namespace kd
