#pragma once
// Counts the pixels a skin load touches (canvas sizing and copies, picture
// loads, knob cuts, colour-key scans) so a hostile file cannot make one load
// run for minutes: once the budget is spent, such records are skipped.

#include <cstdint>

namespace kd {

class PixelBudget {
 public:
  explicit PixelBudget(int64_t pixels) : m_left(pixels) {}

  // Takes `pixels` from the budget; false (and nothing taken) when it does not hold them.
  bool spend(int64_t pixels) {
    if (pixels < 0 || pixels > m_left) return false;
    m_left -= pixels;
    return true;
  }
  int64_t left() const { return m_left; }

 private:
  int64_t m_left;
};

}  // namespace kd
