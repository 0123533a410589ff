#pragma once
// What the skin's slider knobs do: a new value chosen with the mouse, the
// release of the position knob (the seek), and double-clicks. The skin widgets
// turn pointer positions into values and call these.

namespace kd {

class PlayerView;
class PositionTimer;
class Transport;
class VolumeControl;
struct PlayerState;

class SliderActions {
 public:
  SliderActions(PlayerState& state, PlayerView& view, Transport& transport, VolumeControl& volume,
                PositionTimer& timer);

  // Acts on value `value` (0..1) of slider `index` (1..5).
  void ApplySlider(int index, float value);

  // A press on knob `index`; only when no other knob is being dragged. A
  // horizontal knob stops the position timer for the drag.
  void PressKnob(int index, bool horizontal);
  // A movement of the dragged knob to `value`: the knob is placed and the
  // value applied.
  void MoveKnob(int index, float value);
  // The release: the position knob seeks, but only to a value that a movement
  // of this drag chose. The timer runs again.
  void ReleaseKnob(int index);
  // Balance: centred. Rate: normal. Other knobs: nothing.
  void DoubleClickKnob(int index);

 private:
  PlayerState& m_state;
  PlayerView& m_view;
  Transport& m_transport;
  VolumeControl& m_volume;
  PositionTimer& m_timer;
  float m_newValue = 0;  // the value of the last movement of this drag
  bool m_moved = false;
};

}  // namespace kd
