#pragma once
// Volume and balance on the output device: the volume as one number 0..1,
// written back with the balance folded in as a per-channel attenuation, 5 %
// steps, mute with the saved percentage, and the desktop's volume mixer.

#include <QString>
#include <cstdint>

namespace kd {

class Launcher;
class OutputDevice;
class PlayerModel;

class VolumeControl {
 public:
  static constexpr int16_t kStepPercent = 5;

  VolumeControl(PlayerModel& model, OutputDevice& device, Launcher& launcher);

  // The louder channel's level / 65535.
  float deviceVolume() const;
  // A new volume (0..1): the device levels and the model.
  void setVolume(float volume);
  // A new balance (0..1), applied to the current volume.
  void setBalance(float balance);
  // Changes the volume by `step` percent of full scale (unmuting first).
  void changeVolume(int16_t step);
  void volumeUp() { changeVolume(kStepPercent); }
  void volumeDown() { changeVolume(-kStepPercent); }
  void toggleMute();
  // The device levels as the OutputLevels setting keeps them: "left,right".
  QString storedLevels() const;
  // Levels kept by storedLevels() go back to the device, and the model's
  // balance follows the difference between the channels. Any other text
  // (empty, damaged, out of range) changes nothing and gives false.
  bool restoreLevels(const QString& text);
  // Starts the desktop's volume mixer when it is installed; else nothing.
  void showMixer();

 private:
  // Writes both levels: `volume` scaled by the balance's attenuation.
  void writeLevels(float volume);

  PlayerModel& m_model;
  OutputDevice& m_device;
  Launcher& m_launcher;
  int16_t m_volumeBeforeMute = 0;  // whole percent
};

}  // namespace kd
