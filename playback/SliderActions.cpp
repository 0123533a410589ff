#include "playback/SliderActions.h"

#include <algorithm>
#include <cmath>

#include "playback/PlayerModel.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "util/Numbers.h"

namespace kd {

namespace {

int32_t wholeSecondsAt(float value, double length) {
  return ClampToInt32(static_cast<int64_t>(std::floor(value * length)));
}

}  // namespace

SliderActions::SliderActions(PlayerModel& model, Transport& transport, VolumeControl& volume,
                             PositionTimer& timer)
    : m_model(model), m_transport(transport), m_volume(volume), m_timer(timer) {}

void SliderActions::applySlider(SliderRole role, float value) {
  switch (role) {
    case SliderRole::Position:
      // Shows the time under the knob; nothing is sought before the release.
      m_model.previewPosition(value);
      break;
    case SliderRole::Volume:
      m_volume.setVolume(value);
      break;
    case SliderRole::Balance:
      m_volume.setBalance(value);
      break;
    case SliderRole::Rate:
      m_transport.setRate(value);
      break;
    case SliderRole::VolumeBar:
      break;
  }
}

void SliderActions::pressKnob(SliderRole role, bool horizontal) {
  if (m_heldKnob) return;
  if (horizontal) m_timer.stop();
  m_heldKnob = role;
  m_moved = false;
  if (role == SliderRole::Position) m_model.holdPosition();
}

void SliderActions::moveKnob(SliderRole role, float value) {
  if (!m_heldKnob) return;
  m_newValue = value;
  m_moved = true;
  applySlider(role, value);
}

void SliderActions::releaseKnob(SliderRole role) {
  // A press without movement keeps the playing position: a value left from an
  // earlier drag must not send the item elsewhere.
  if (role == SliderRole::Position && m_heldKnob == SliderRole::Position && m_moved) {
    m_transport.seekTo(wholeSecondsAt(m_newValue, m_model.length()));
  }
  m_moved = false;
  m_timer.start();
  m_heldKnob.reset();
  m_model.releasePosition();
}

void SliderActions::doubleClickKnob(SliderRole role) {
  if (role == SliderRole::Balance) {
    applySlider(SliderRole::Balance, PlayerModel::kCentre);
  } else if (role == SliderRole::Rate) {
    applySlider(SliderRole::Rate, PlayerModel::kNormalRate);
  }
}

void SliderActions::wheelSlider(SliderRole role, int steps) {
  constexpr int kStep = VolumeControl::kStepPercent;
  const int change = std::clamp(steps, -100, 100) * kStep;
  if (change == 0) return;
  // Whole percent, so that repeated steps land on the values the keys reach.
  const auto stepped = [change](float value) {
    const int percent = std::clamp(static_cast<int>(std::lround(value * 100.0f)) + change, 0, 100);
    return static_cast<float>(percent / 100.0);
  };
  switch (role) {
    case SliderRole::Volume:
      m_volume.changeVolume(static_cast<int16_t>(std::clamp(change, -100, 100)));
      break;
    case SliderRole::Balance:
      applySlider(role, stepped(m_model.balance()));
      break;
    case SliderRole::Rate:
      applySlider(role, stepped(m_model.rate()));
      break;
    case SliderRole::Position:
    case SliderRole::VolumeBar:
      break;
  }
}

}  // namespace kd
