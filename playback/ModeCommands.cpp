#include "playback/ModeCommands.h"

#include "playback/PlayerState.h"
#include "util/Numbers.h"

namespace kd {

void ModeCommands::ToggleIntro() {
  m_state.flags.Intro = !m_state.flags.Intro;
  m_state.ShowLights(m_view);
}

void ModeCommands::ToggleStopAfter() {
  m_state.flags.STP = !m_state.flags.STP;
  m_state.ShowLights(m_view);
}

void ModeCommands::ToggleShuffle() {
  m_state.flags.Shuffle = !m_state.flags.Shuffle;
  m_state.flags.Random = !m_state.flags.Random;
  m_state.ShowLights(m_view);
}

void ModeCommands::ToggleRepeat() {
  m_state.flags.Repeat = !m_state.flags.Repeat;
  m_state.ShowLights(m_view);
}

void ModeCommands::ToggleTimeFlag() {
  m_state.TimeFlag = !m_state.TimeFlag;
  // The next tick rewrites the time in its new form.
  m_state.shownTimeText.clear();
}

void ModeCommands::setPointA() {
  m_state.RptA = ClampToInt32(RoundHalfEven(m_state.Elapsed));
  m_state.flags.RptB = 0;
}

void ModeCommands::SetRepeatPoint(bool skinHasEndButton) {
  if (skinHasEndButton) {
    setPointA();
  } else if (m_state.RptA > 0 && m_state.flags.RptB == 0) {
    SetRepeatEnd();
  } else if (m_state.RptA > 0) {
    m_state.RptA = 0;
    m_state.flags.RptB = 0;
  } else {
    setPointA();
  }
  m_state.ShowLights(m_view);
}

void ModeCommands::SetRepeatEnd() {
  m_state.flags.RptB = ClampToInt32(RoundHalfEven(m_state.Elapsed));
  m_state.ShowLights(m_view);
}

}  // namespace kd
