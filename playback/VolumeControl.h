#pragma once
// Volume and balance on the output device: the volume as one number 0..1,
// written back with the balance folded in as a per-channel attenuation, the
// balance text, 5 % steps, mute with the saved percentage, and the desktop's
// volume mixer.

#include <cstdint>

namespace kd {

class Launcher;
class OutputDevice;
class PlayerView;
struct PlayerState;

class VolumeControl {
 public:
  static constexpr int16_t kStepPercent = 5;

  VolumeControl(PlayerState& state, PlayerView& view, OutputDevice& device, Launcher& launcher);

  // The louder channel's level / 65535.
  float GetVolume() const;
  // Writes both levels: `volume` scaled by the balance's attenuation.
  void SetVolume(float volume);
  // Stores the balance, shows its text (label 25) and re-applies the volume
  // of slider 2.
  void SetBalance(float balance);
  // Changes the volume by `step` percent of full scale (unmuting first).
  void ChangeVolume(int16_t step);
  void VolumeUp() { ChangeVolume(kStepPercent); }
  void VolumeDown() { ChangeVolume(-kStepPercent); }
  void ToggleMute();
  // Starts the desktop's volume mixer when it is installed; else nothing.
  void ShowMixer();

  // What a new value of the volume slider does: the volume, label 18 and the
  // volume bar (slider 4).
  void ApplyVolumeSlider(float volume);

 private:
  PlayerState& m_state;
  PlayerView& m_view;
  OutputDevice& m_device;
  Launcher& m_launcher;
};

}  // namespace kd
