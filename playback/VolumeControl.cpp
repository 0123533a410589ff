#include "playback/VolumeControl.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/Launcher.h"
#include "core/PlayerView.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerState.h"
#include "util/Numbers.h"
#include "util/TextForms.h"

namespace kd {

namespace {

constexpr double kFullScale = 65535.0;
const QString kMixerProgram = QStringLiteral("pavucontrol");

uint16_t Level(double value) {
  if (!(value > 0)) return 0;  // NaN too
  return static_cast<uint16_t>(std::min<int64_t>(RoundHalfEven(value), 65535));
}

}  // namespace

VolumeControl::VolumeControl(PlayerState& state, PlayerView& view, OutputDevice& device,
                             Launcher& launcher)
    : m_state(state), m_view(view), m_device(device), m_launcher(launcher) {}

float VolumeControl::GetVolume() const {
  const uint32_t word = m_device.VolumeWord();
  const uint32_t left = word & 0xFFFF;
  const uint32_t right = word >> 16;
  return static_cast<float>(std::max(left, right) / kFullScale);
}

void VolumeControl::SetVolume(float volume) {
  const float b = m_state.balance;
  // A dead zone around the centre: between 0.45 and 0.55 both channels play
  // at full level. The comparisons are made in single precision.
  const float rightFactor = b < 0.45f ? 2.0f * b : 1.0f;
  const float leftFactor = b > 0.55f ? 2.0f - 2.0f * b : 1.0f;
  const double scaled = static_cast<double>(volume) * kFullScale;
  m_device.SetLevels(Level(scaled * leftFactor), Level(scaled * rightFactor));
}

void VolumeControl::SetBalance(float balance) {
  m_state.balance = balance;
  QString text;
  if (balance < 0.45f) {
    text = HashForm((0.5 - balance) * 200) + QStringLiteral("% left");
  } else if (balance > 0.55f) {
    text = HashForm((balance - 0.5) * 200) + QStringLiteral("% right");
  } else {
    text = QStringLiteral("Centre");
  }
  m_view.SetLabel(kLabelBalance, text);
  SetVolume(m_state.slider(kSliderVolume));
}

void VolumeControl::ChangeVolume(int16_t step) {
  if (m_state.flags.Mute) ToggleMute();
  const double v = std::clamp(GetVolume() + step / 100.0, 0.0, 1.0);
  const float value = static_cast<float>(v);
  m_state.SetSliderPos(m_view, kSliderVolume, value);
  ApplyVolumeSlider(value);
}

void VolumeControl::ApplyVolumeSlider(float volume) {
  SetVolume(volume);
  m_view.SetLabel(kLabelVolume, BlankLed(static_cast<int64_t>(std::floor(volume * 100.0f))));
  m_state.SetSliderPos(m_view, kSliderVolumeBar, volume);
}

void VolumeControl::ToggleMute() {
  if (!m_state.flags.Mute) {
    m_state.savedVolume = static_cast<int16_t>(std::floor(GetVolume() * 100.0f));
    ChangeVolume(-100);
    m_state.flags.Mute = true;
  } else {
    m_state.flags.Mute = false;
    ChangeVolume(m_state.savedVolume);
  }
  m_state.ShowLights(m_view);
}

void VolumeControl::ShowMixer() {
  const QString program = m_launcher.FindProgram(kMixerProgram);
  if (!program.isEmpty()) m_launcher.StartProgram(program, QStringList());
}

}  // namespace kd
