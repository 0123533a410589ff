#pragma once
// The commands that flip a player mode (intro scan, stop after each item,
// repeat, shuffle, the time display's direction) and set the A-B repeat points.

#include "playback/PlayerModel.h"

namespace kd {

class ModeCommands {
 public:
  explicit ModeCommands(PlayerModel& model) : m_model(model) {}

  void toggleIntro();
  void toggleStopAfterEach();
  void toggleShuffle();
  void toggleRepeat();
  // Elapsed or remaining time (a click on the time label).
  void toggleTimeDirection();
  // One button cycles: set A, set B, off. With a separate B button (the skin
  // shows one) it always sets A and clears B.
  void setRepeatPoint(bool skinHasEndButton);
  void setRepeatEnd();

 private:
  void setPointA();
  void flip(bool PlayModes::*mode);

  PlayerModel& m_model;
};

}  // namespace kd
