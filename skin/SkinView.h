#pragma once
// The numbered elements of a skinned window as the skin presenter drives
// them: text labels, bitmap-font displays, indicator lights and slider
// knobs. The skinned main window implements it; tests use a recording fake.

#include <QString>
#include <functional>

#include <optional>

#include "playback/SliderActions.h"
#include "skin/LightTable.h"

namespace kd {

// Skin labels with a fixed meaning, by index.
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

// Bitmap-font displays by index.
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

// The role of the slider a skin numbers `index`; nullopt for other numbers.
inline std::optional<SliderRole> SliderRoleOf(int index) {
  switch (index) {
    case kSliderPosition:
      return SliderRole::Position;
    case kSliderVolume:
      return SliderRole::Volume;
    case kSliderBalance:
      return SliderRole::Balance;
    case kSliderVolumeBar:
      return SliderRole::VolumeBar;
    case kSliderRate:
      return SliderRole::Rate;
    default:
      return std::nullopt;
  }
}

class SkinView {
 public:
  virtual ~SkinView() = default;

  virtual void setLabelText(int index, const QString& text) = 0;
  // Draws display `index` with a number or a text; a display the skin does
  // not define draws nothing.
  virtual void drawDisplay(int index, double value) = 0;
  virtual void drawDisplay(int index, const QString& text) = 0;
  // Whether the title display would scroll `title` (see DisplaySurface).
  virtual bool titleScrolls(const QString& title) const = 0;
  virtual void showLights(const LightStates& lights) = 0;
  // Stores the value (0..1) of slider `index` and places its knob.
  virtual void placeKnob(int index, float value) = 0;
  // Shows the knob when the skin defines the slider, or hides it.
  virtual void setKnobShown(int index, bool shown) = 0;
  // Called whenever the displays were wiped (a skin load, the window shown)
  // and must all be drawn again.
  virtual void setDisplayRedraw(std::function<void()> redraw) = 0;
};

}  // namespace kd
