#include "playback/TrackAdvance.h"

#include <QRandomGenerator>
#include <algorithm>

namespace kd {

RandomSource DefaultRandomSource() {
  return [](int n) {
    return n < 1 ? 1 : static_cast<int>(QRandomGenerator::global()->bounded(n)) + 1;
  };
}

int NextTrackNumber(bool repeat, bool shuffle, int tnum, int count, const RandomSource& random) {
  if (repeat) return tnum;
  if (shuffle && count > 0 && random) return std::clamp(random(count), 1, count);
  return tnum + 1;
}

}  // namespace kd
