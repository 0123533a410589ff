#include "skin/RegionBuilder.h"

namespace kd {

void RegionBuilder::beginRow(int y) {
  if (m_inRow) closeRow();
  m_rowY = y;
  m_rowStart = m_rects.size();
  m_inRow = true;
}

void RegionBuilder::closeRow() {
  m_inRow = false;
  const size_t rowSize = m_rects.size() - m_rowStart;
  if (rowSize == 0) return;
  // A row directly below a band with the same runs extends that band.
  if (m_bandSize == rowSize && m_bandBottom == m_rowY) {
    bool same = true;
    for (size_t i = 0; i < rowSize && same; ++i) {
      const QRect& band = m_rects[m_bandStart + i];
      const QRect& row = m_rects[m_rowStart + i];
      same = band.left() == row.left() && band.right() == row.right();
    }
    if (same) {
      for (size_t i = 0; i < m_bandSize; ++i) m_rects[m_bandStart + i].setBottom(m_rowY);
      m_rects.resize(m_rowStart);
      ++m_bandBottom;
      return;
    }
  }
  m_bandStart = m_rowStart;
  m_bandSize = rowSize;
  m_bandBottom = m_rowY + 1;
}

QRegion RegionBuilder::finish() {
  if (m_inRow) closeRow();
  QRegion region;
  if (!m_rects.empty()) region.setRects(m_rects.data(), static_cast<int>(m_rects.size()));
  m_rects.clear();
  m_bandSize = 0;
  return region;
}

}  // namespace kd
