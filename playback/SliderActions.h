#pragma once
// What the skin's slider knobs do: a new value chosen with the mouse, the
// release of the position knob (the seek), and double-clicks. The skin widgets
// turn pointer positions into values and call these.

namespace kd {

class PlayerModel;
class PositionTimer;
class Transport;
class VolumeControl;

class SliderActions {
 public:
  SliderActions(PlayerModel& model, Transport& transport, VolumeControl& volume,
                PositionTimer& timer);

  // Acts on value `value` (0..1) of slider `index` (1..5).
  void applySlider(int index, float value);
  // A press on knob `index`; only when no other knob is being dragged. A
  // horizontal knob stops the position timer for the drag.
  void pressKnob(int index, bool horizontal);
  // A movement of the dragged knob to `value`.
  void moveKnob(int index, float value);
  // The release: the position knob seeks, but only to a value that a movement
  // of this drag chose. The timer runs again.
  void releaseKnob(int index);
  // Balance: centred. Rate: normal. Other knobs: nothing.
  void doubleClickKnob(int index);

 private:
  PlayerModel& m_model;
  Transport& m_transport;
  VolumeControl& m_volume;
  PositionTimer& m_timer;
  int m_heldKnob = 0;    // the knob being dragged, 0 = none
  float m_newValue = 0;  // the value of the last movement of this drag
  bool m_moved = false;
};

}  // namespace kd
