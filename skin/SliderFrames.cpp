#include <algorithm>
#include <cstdlib>

#include "skin/SkinDocument.h"

namespace kd {

int SliderFrameIndex(const SliderFrames& frames, int p, int travel) {
  if (frames.count <= 1) return 0;
  const int range = frames.centred ? travel / 2 : travel;
  if (range <= 0) return 0;
  const int offset = std::clamp(frames.centred ? std::abs(p - range) : p, 0, range);
  return (offset * (frames.count - 1) + range / 2) / range;
}

}  // namespace kd
