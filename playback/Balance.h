#pragma once
// The balance value (0 full left, 0.5 centre, 1 full right) has a dead zone
// around the centre where both channels play at full level.

namespace kd {

enum class BalanceSide { Left, Centre, Right };

// The comparisons are made in single precision.
inline BalanceSide SideOf(float balance) {
  if (balance < 0.45f) return BalanceSide::Left;
  if (balance > 0.55f) return BalanceSide::Right;
  return BalanceSide::Centre;
}

}  // namespace kd
