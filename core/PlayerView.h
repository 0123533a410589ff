#pragma once
// What the player logic writes to the skinned window: labels, bitmap-font
// displays, indicator lights and slider knobs. The skinned main window
// implements it; tests use a recording fake.

#include <QString>

#include "core/ModeFlags.h"

namespace kd {

// Skin labels the player writes, by their fixed index.
enum Label : int {
  kLabelTime = 1,
  kLabelTitle = 2,
  kLabelClock = 3,
  kLabelTrack = 4,
  kLabelSnooze = 5,
  kLabelLongDate = 6,
  kLabelDayName = 7,
  kLabelAmPm = 9,
  kLabelBitrate = 10,
  kLabelSampleRate = 11,
  kLabelChannels = 12,
  kLabelLength = 13,
  kLabelPlaylistTitle = 14,
  kLabelEntryCount = 16,
  kLabelVolume = 18,
  kLabelRate = 24,
  kLabelBalance = 25,
  kLabelMedia = 26,
};

// Bitmap-font displays (SetDD indexes).
enum Display : int {
  kDisplayTime = 1,
  kDisplayTrack = 2,
  kDisplayClock = 3,
  kDisplayBitrate = 4,
  kDisplaySampleRate = 5,
  kDisplayTitle = 6,
};

// Slider knobs by their fixed role.
enum Slider : int {
  kSliderPosition = 1,
  kSliderVolume = 2,
  kSliderBalance = 3,
  kSliderVolumeBar = 4,
  kSliderRate = 5,
};

class PlayerView {
 public:
  virtual ~PlayerView() = default;

  virtual void SetLabel(int index, const QString& text) = 0;
  virtual QString LabelText(int index) const = 0;

  // Draws display `index` with a number or a text; a display the skin does
  // not define draws nothing.
  virtual void SetDD(int index, double value) = 0;
  virtual void SetDD(int index, const QString& value) = 0;

  // Shows each light whose condition holds and hides the others.
  virtual void ShowLights(const ModeFlags& flags) = 0;

  // Stores the value (0..1) of slider `index` and places its knob.
  virtual void SetSliderPos(int index, float value) = 0;
  // Shows the knob when the skin defines the slider; hides it otherwise.
  virtual void ShowSlider(int index) = 0;
  virtual void HideSlider(int index) = 0;
  virtual bool IsSliderVisible(int index) const = 0;
};

}  // namespace kd
