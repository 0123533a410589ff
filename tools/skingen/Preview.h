#pragma once
// A picture of the skin for people to look at: the face as it plays (labels,
// displays, knobs and lights with sample values), the face with every pressed
// image in place, the resource bitmap, and the two smaller window sizes.

#include <QImage>

#include "SkinLayout.h"

namespace kd::skingen {

QImage RenderPreview(const SkinLayout& layout, const QImage& main, const QImage& res,
                     const QImage& cover);

}  // namespace kd::skingen
