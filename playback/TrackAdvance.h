#pragma once
// The choice of the next entry when an item ends.

#include <functional>

namespace kd {

// Returns a whole number from 1 to n with equal chance.
using RandomSource = std::function<int(int n)>;

// A source seeded from the time of day.
RandomSource DefaultRandomSource();

// The entry (1-based) to play after entry `tnum` of `count`: the same one with
// repeat (which wins over shuffle), a random one with shuffle (the same may
// come again), else the next one (count + 1 past the last, which stops).
int NextTrackNumber(bool repeat, bool shuffle, int tnum, int count, const RandomSource& random);

}  // namespace kd
