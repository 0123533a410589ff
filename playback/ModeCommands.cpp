#include "playback/ModeCommands.h"

#include "playback/PlayerModel.h"
#include "util/Numbers.h"

namespace kd {

namespace {

int32_t wholeSeconds(double seconds) {
  return ClampToInt32(RoundHalfEven(seconds));
}

}  // namespace

void ModeCommands::flip(bool PlayModes::*mode) {
  PlayModes modes = m_model.modes();
  modes.*mode = !(modes.*mode);
  m_model.setModes(modes);
}

void ModeCommands::toggleIntro() {
  flip(&PlayModes::intro);
}

void ModeCommands::toggleStopAfterEach() {
  flip(&PlayModes::stopAfterEach);
}

void ModeCommands::toggleShuffle() {
  flip(&PlayModes::shuffle);
}

void ModeCommands::toggleRepeat() {
  flip(&PlayModes::repeat);
}

void ModeCommands::toggleTimeDirection() {
  m_model.setTimeCountsDown(!m_model.timeCountsDown());
}

void ModeCommands::setPointA() {
  m_model.setRepeatPoints(wholeSeconds(m_model.position()), 0);
}

void ModeCommands::setRepeatPoint(bool skinHasEndButton) {
  const int32_t start = m_model.repeatStart();
  if (skinHasEndButton) {
    setPointA();
  } else if (start > 0 && m_model.repeatEnd() == 0) {
    setRepeatEnd();
  } else if (start > 0) {
    m_model.setRepeatPoints(0, 0);
  } else {
    setPointA();
  }
}

void ModeCommands::setRepeatEnd() {
  m_model.setRepeatPoints(m_model.repeatStart(), wholeSeconds(m_model.position()));
}

}  // namespace kd
