#include "playback/VolumeControl.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/Launcher.h"
#include "playback/Balance.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerModel.h"
#include "util/Numbers.h"

namespace kd {

namespace {

constexpr double kFullScale = 65535.0;
const QString kMixerProgram = QStringLiteral("pavucontrol");

uint16_t level(double value) {
  if (!(value > 0)) return 0;  // NaN too
  return static_cast<uint16_t>(std::min<int64_t>(RoundHalfEven(value), 65535));
}

}  // namespace

VolumeControl::VolumeControl(PlayerModel& model, OutputDevice& device, Launcher& launcher)
    : m_model(model), m_device(device), m_launcher(launcher) {}

float VolumeControl::deviceVolume() const {
  const uint32_t word = m_device.volumeWord();
  const uint32_t left = word & 0xFFFF;
  const uint32_t right = word >> 16;
  return static_cast<float>(std::max(left, right) / kFullScale);
}

void VolumeControl::writeLevels(float volume) {
  const float b = m_model.balance();
  // Outside the dead zone around the centre one side is attenuated.
  const BalanceSide side = SideOf(b);
  const float rightFactor = side == BalanceSide::Left ? 2.0f * b : 1.0f;
  const float leftFactor = side == BalanceSide::Right ? 2.0f - 2.0f * b : 1.0f;
  const double scaled = static_cast<double>(volume) * kFullScale;
  m_device.setLevels(level(scaled * leftFactor), level(scaled * rightFactor));
}

void VolumeControl::setVolume(float volume) {
  writeLevels(volume);
  m_model.setVolume(volume);
}

void VolumeControl::setBalance(float balance) {
  m_model.setBalance(balance);
  writeLevels(m_model.volume());
}

void VolumeControl::changeVolume(int16_t step) {
  if (m_model.isMuted()) toggleMute();
  const double v = std::clamp(deviceVolume() + step / 100.0, 0.0, 1.0);
  setVolume(static_cast<float>(v));
}

void VolumeControl::toggleMute() {
  if (!m_model.isMuted()) {
    m_volumeBeforeMute = static_cast<int16_t>(std::floor(deviceVolume() * 100.0f));
    changeVolume(-100);
    m_model.setMuted(true);
  } else {
    m_model.setMuted(false);
    changeVolume(m_volumeBeforeMute);
  }
}

QString VolumeControl::storedLevels() const {
  return QString::number(m_device.left()) + QLatin1Char(',') + QString::number(m_device.right());
}

bool VolumeControl::restoreLevels(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 2) return false;
  uint16_t levels[2] = {};
  for (int i = 0; i < 2; ++i) {
    bool ok = false;
    const uint value = parts[i].trimmed().toUInt(&ok);
    if (!ok || value > 65535) return false;
    levels[i] = static_cast<uint16_t>(value);
  }
  const uint16_t left = levels[0];
  const uint16_t right = levels[1];
  // The quieter side's share of the louder one, as the balance attenuates it.
  float balance = PlayerModel::kCentre;
  if (right < left) balance = 0.5f * static_cast<float>(right) / static_cast<float>(left);
  if (left < right) balance = 1.0f - 0.5f * static_cast<float>(left) / static_cast<float>(right);
  m_model.setBalance(balance);
  m_device.setLevels(left, right);
  return true;
}

void VolumeControl::showMixer() {
  const QString program = m_launcher.findProgram(kMixerProgram);
  if (!program.isEmpty()) m_launcher.startProgram(program, QStringList());
}

}  // namespace kd
