#pragma once
// The picture shown where a track has no cover.

#include <QImage>

namespace kd::skingen {

QImage RenderNoCover(int size);

}  // namespace kd::skingen
