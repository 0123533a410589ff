#include "playback/TickPlan.h"

#include <algorithm>
#include <cmath>

namespace kd {

namespace {

// The tick lands this much after a change, never just before it.
constexpr double kMarginSeconds = 0.004;
// The knob's place is kept to this fraction of the length.
constexpr double kKnobQuantum = 1e-4;

// Rounding half to even changes its number at x + 0.5 (x whole), or just
// past it: the first such point at or above `value` is where the rounded
// time may change next.
double NextHalfFrom(double value) {
  return std::ceil(value - 0.5) + 0.5;
}

// The position at which the rounded time left, length - position, may
// change: the time left falls to the next x + 0.5 at or below it.
double NextCountdownChange(double position, double length) {
  const double left = length - position;
  return length - (std::floor(left - 0.5) + 0.5);
}

// The knob's place is rounded down to the quantum, so a pixel shows up to a
// quantum after its exact place: the next pixel is counted from there.
double NextKnobStep(double position, double length, int travel) {
  const double perPixel = length / travel;
  const double quantum = length * kKnobQuantum;
  const double pixel = std::floor((position - quantum) / perPixel) + 1;
  return pixel * perPixel + quantum;
}

}  // namespace

int MsUntilNextVisibleChange(const TickPlanInput& in) {
  if (in.paused || !(in.length > 0) || !(in.speed > 0) || !std::isfinite(in.position)) {
    return in.paused ? kLongestTickWaitMs : kShortestTickWaitMs;
  }
  double next = std::min(NextHalfFrom(in.position), NextCountdownChange(in.position, in.length));
  if (in.knobTravel > 0) next = std::min(next, NextKnobStep(in.position, in.length, in.knobTravel));
  if (in.intro && in.position <= 10.0) next = std::min(next, 10.0);
  if (in.repeatEnd > in.position) next = std::min(next, in.repeatEnd);
  if (in.length > in.position) next = std::min(next, in.length);
  const double wait = (next - in.position) / in.speed + kMarginSeconds;
  const double ms = std::ceil(std::max(wait, 0.0) * 1000.0);
  return static_cast<int>(std::clamp(ms, double(kShortestTickWaitMs), double(kLongestTickWaitMs)));
}

}  // namespace kd
