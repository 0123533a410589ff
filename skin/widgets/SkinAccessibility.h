#pragma once
// What a screen reader finds in the skinned window: each skin button is a
// push button named by its tip (or by its command when the tip is empty)
// whose press action runs it; each slider knob is a slider with its value,
// which can also be set. Labels are QLabels and the playlist box a list view,
// accessible as they are.

#include <QString>

namespace kd {

// Makes the skin's buttons and knobs accessible; once per program.
void InstallSkinAccessibility();

// The name of button `index` when its tip is empty, e.g. "Play pause" for
// code 36, "Skin link 2" for 102.
QString ButtonNameOf(int index);
// The name of slider `index` when its tip is empty, e.g. "Volume".
QString SliderNameOf(int index);

}  // namespace kd
