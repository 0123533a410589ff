#pragma once
// Vector icons of the skin's buttons, drawn centred in a box.

#include <QColor>
#include <QRectF>

#include "SkinLayout.h"

class QPainter;

namespace kd::skingen {

// Draws `glyph` centred in `box` with `colour`; `size` is the icon's height.
void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& box, qreal size, const QColor& colour);

}  // namespace kd::skingen
