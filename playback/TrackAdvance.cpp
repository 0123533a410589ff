#include "playback/TrackAdvance.h"

#include <QTime>
#include <algorithm>
#include <memory>
#include <random>

namespace kd {

// Seeded from the time of day: a player's users expect a new order each run.
RandomSource DefaultRandomSource() {
  auto generator = std::make_shared<std::mt19937>(QTime::currentTime().msecsSinceStartOfDay());
  return [generator](int n) {
    if (n < 1) return 1;
    return std::uniform_int_distribution<int>(1, n)(*generator);
  };
}

int NextTrackNumber(bool repeat, bool shuffle, int tnum, int count, const RandomSource& random) {
  if (repeat) return tnum;
  if (shuffle && count > 0 && random) return std::clamp(random(count), 1, count);
  return tnum + 1;
}

}  // namespace kd
