#include "playback/SliderActions.h"

#include <cmath>

#include "playback/PlayerModel.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "util/Numbers.h"

namespace kd {

namespace {

// The sliders by their fixed role in a skin.
enum SliderRole : int { kPosition = 1, kVolume = 2, kBalance = 3, kRate = 5 };

int32_t wholeSecondsAt(float value, double length) {
  return ClampToInt32(static_cast<int64_t>(std::floor(value * length)));
}

}  // namespace

SliderActions::SliderActions(PlayerModel& model, Transport& transport, VolumeControl& volume,
                             PositionTimer& timer)
    : m_model(model), m_transport(transport), m_volume(volume), m_timer(timer) {}

void SliderActions::applySlider(int index, float value) {
  switch (index) {
    case kPosition:
      // Shows the time under the knob; nothing is sought before the release.
      m_model.previewPosition(value);
      break;
    case kVolume:
      m_volume.setVolume(value);
      break;
    case kBalance:
      m_volume.setBalance(value);
      break;
    case kRate:
      m_transport.setRate(value);
      break;
    default:
      break;
  }
}

void SliderActions::pressKnob(int index, bool horizontal) {
  if (m_heldKnob != 0) return;
  if (horizontal) m_timer.stop();
  m_heldKnob = index;
  m_moved = false;
  if (index == kPosition) m_model.holdPosition();
}

void SliderActions::moveKnob(int index, float value) {
  if (m_heldKnob <= 0) return;
  m_newValue = value;
  m_moved = true;
  applySlider(index, value);
}

void SliderActions::releaseKnob(int index) {
  // A press without movement keeps the playing position: a value left from an
  // earlier drag must not send the item elsewhere.
  if (index == kPosition && m_heldKnob == kPosition && m_moved) {
    m_transport.seekTo(wholeSecondsAt(m_newValue, m_model.length()));
  }
  m_moved = false;
  m_timer.start();
  m_heldKnob = 0;
  m_model.releasePosition();
}

void SliderActions::doubleClickKnob(int index) {
  if (index == kBalance) {
    applySlider(kBalance, PlayerModel::kCentre);
  } else if (index == kRate) {
    applySlider(kRate, PlayerModel::kNormalRate);
  }
}

}  // namespace kd
