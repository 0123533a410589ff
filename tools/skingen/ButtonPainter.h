#pragma once
// The normal and lit looks of the skin's buttons.

#include "SkinLayout.h"

class QPainter;

namespace kd::skingen {

// Paints button `b` inside its rectangle; `lit` gives the look shown while
// the button is pressed or under the pointer.
void PaintButton(QPainter& p, const ButtonSpec& b, bool lit);

}  // namespace kd::skingen
