#pragma once
// The three off-screen canvases an import skin builds its pictures on:
// "R" loads a picture into a canvas, "W" sizes one, "Z" copies a block of
// canvas 2 into canvas 0 or 1, and "U" takes canvases 0 and 1 as the window
// and resource bitmaps.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

#include "skin/PixelBudget.h"

namespace kd {

class ImportCanvases {
 public:
  static constexpr int kCount = 3;

  // `maxSide` bounds the width and height given to resize; `fill` colours the
  // part of a canvas that no picture covers.
  ImportCanvases(PixelBudget& budget, int maxSide, QRgb fill);

  // Makes `picture` canvas n (0..2). False when the budget is spent.
  bool load(int n, const QImage& picture);
  // Gives canvas n (0..1 in skins, any 0..2 here) the size w x h; what it held
  // stays at the top-left corner. A size without area empties it.
  void resize(int n, int w, int h);
  // Copies the block `source` of canvas 2 into canvas n at `target`.
  void copyFromSource(int n, const QRect& source, QPoint target);

  const QImage& canvas(int n) const { return m_canvas[n]; }
  void setFill(QRgb fill) { m_fill = fill | 0xFF000000u; }

 private:
  PixelBudget& m_budget;
  int m_maxSide;
  QRgb m_fill;
  std::array<QImage, kCount> m_canvas;
};

}  // namespace kd
