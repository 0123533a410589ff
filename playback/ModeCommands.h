#pragma once
// The commands that flip a player mode (intro scan, stop after each item,
// repeat, shuffle) and set the A-B repeat points. Each refreshes the lights.

namespace kd {

class PlayerView;
struct PlayerState;

class ModeCommands {
 public:
  ModeCommands(PlayerState& state, PlayerView& view) : m_state(state), m_view(view) {}

  void ToggleIntro();
  void ToggleStopAfter();
  // Shuffle and Random flip together; they drive two pairs of lights.
  void ToggleShuffle();
  void ToggleRepeat();
  // The time display's elapsed/remaining switch (a click on the time label).
  void ToggleTimeFlag();

  // One button cycles: set A, set B, off. With a separate B button (the skin
  // shows button 31) it always sets A and clears B.
  void SetRepeatPoint(bool skinHasEndButton);
  void SetRepeatEnd();

 private:
  void setPointA();

  PlayerState& m_state;
  PlayerView& m_view;
};

}  // namespace kd
