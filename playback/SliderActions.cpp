#include "playback/SliderActions.h"

#include <cmath>

#include "core/PlayerView.h"
#include "playback/PlayerState.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "util/Numbers.h"
#include "util/TextForms.h"

namespace kd {

namespace {

constexpr float kCentre = 0.5f;

int32_t WholeSecondsAt(float value, double length) {
  return ClampToInt32(static_cast<int64_t>(std::floor(value * length)));
}

}  // namespace

SliderActions::SliderActions(PlayerState& state, PlayerView& view, Transport& transport,
                             VolumeControl& volume, PositionTimer& timer)
    : m_state(state), m_view(view), m_transport(transport), m_volume(volume), m_timer(timer) {}

void SliderActions::ApplySlider(int index, float value) {
  switch (index) {
    case kSliderPosition: {
      // Shows the time under the knob; nothing is sought before the release.
      const int32_t seconds = WholeSecondsAt(value, m_state.SongLen);
      QString text = MinutesSeconds(seconds);
      if (m_state.TimeFlag) text.prepend(QLatin1Char('-'));
      m_view.SetLabel(kLabelTime, text);
      m_view.SetDD(kDisplayTime, static_cast<double>(seconds));
      // The next tick writes the playing time again, whatever it is.
      m_state.shownTimeText.clear();
      break;
    }
    case kSliderVolume:
      m_volume.ApplyVolumeSlider(value);
      break;
    case kSliderBalance:
      m_volume.SetBalance(value);
      m_state.SetSliderPos(m_view, kSliderBalance, value);
      break;
    case kSliderRate:
      m_transport.SetRate(value);
      m_state.SetSliderPos(m_view, kSliderRate, value);
      break;
    default:
      break;
  }
}

void SliderActions::PressKnob(int index, bool horizontal) {
  if (m_state.SlideFlag != 0) return;
  if (horizontal) m_timer.stop();
  m_state.SlideFlag = static_cast<int16_t>(index);
  m_moved = false;
}

void SliderActions::MoveKnob(int index, float value) {
  if (m_state.SlideFlag <= 0) return;
  m_newValue = value;
  m_moved = true;
  m_state.SetSliderPos(m_view, index, value);
  ApplySlider(index, value);
}

void SliderActions::ReleaseKnob(int index) {
  // A press without movement keeps the playing position: a value left from an
  // earlier drag must not send the item elsewhere.
  if (index == kSliderPosition && m_state.SlideFlag == kSliderPosition && m_moved) {
    m_transport.PlayFrom(WholeSecondsAt(m_newValue, m_state.SongLen));
  }
  m_moved = false;
  m_timer.start();
  m_state.SlideFlag = 0;
}

void SliderActions::DoubleClickKnob(int index) {
  if (index == kSliderBalance) {
    m_state.balance = kCentre;
    m_state.SetSliderPos(m_view, kSliderBalance, kCentre);
    ApplySlider(kSliderBalance, kCentre);
  } else if (index == kSliderRate) {
    ApplySlider(kSliderRate, kCentre);
  }
}

}  // namespace kd
