#pragma once
// Builds a QRegion from horizontal runs given row by row, top to bottom.
// Consecutive rows with the same runs become one band, so a picture whose
// rows repeat gives a small region; the rectangles are handed to QRegion in
// its own banded order at once instead of being united one by one.

#include <QRect>
#include <QRegion>
#include <vector>

namespace kd {

class RegionBuilder {
 public:
  // Room for `rects` rectangles, when the caller knows a bound.
  void reserve(size_t rects) { m_rects.reserve(rects); }
  // Starts row `y`; rows must be given in increasing order.
  void beginRow(int y);
  // Adds the run of pixels [left, right) to the current row; runs of a row
  // must come left to right and must not touch or overlap.
  void addRun(int left, int right) {
    if (right > left) m_rects.emplace_back(left, m_rowY, right - left, 1);
  }
  QRegion finish();

 private:
  void closeRow();

  std::vector<QRect> m_rects;
  int m_rowY = 0;
  size_t m_rowStart = 0;  // first rectangle of the row being built
  bool m_inRow = false;
  // The band the previous row went into: its first rectangle and size.
  size_t m_bandStart = 0;
  size_t m_bandSize = 0;
  int m_bandBottom = 0;  // one past the band's last row
};

}  // namespace kd
