#pragma once
// Copies rectangles of pixels between pictures the way the skin needs them:
// a plain copy with no blending, clipped to both pictures, so a rectangle
// that reaches outside either picture copies only the part inside both.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>

namespace kd {

// Copies `source` rectangle of `from` to `to` at `target`. A target in one
// of the 32-bit formats (RGB32, ARGB32, ARGB32_Premultiplied) is written in
// place, any other is converted to ARGB32 first; an RGB32 source is copied
// without any conversion. Returns the number of pixels copied.
int64_t CopyBlock(const QImage& from, const QRect& source, QImage& to, QPoint target);

// The w x h block of `from` at (x, y) as a new picture, with width and height
// cut down to those of `from` so that a block far larger than its source
// cannot cost more than the source; pixels outside `from` are black. Null for
// a null source or a block without area.
QImage CutBlock(const QImage& from, int x, int y, int w, int h);

}  // namespace kd
