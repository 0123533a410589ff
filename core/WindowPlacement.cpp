#include "core/WindowPlacement.h"

#include <algorithm>
#include <cmath>

namespace kd {

int TwipsPerPixel(double logicalDpi) {
  if (!(logicalDpi > 0)) return 15;
  return std::max(1, static_cast<int>(std::lround(1440.0 / logicalDpi)));
}

namespace {
bool Near(int value, int edge) {
  return edge - kSnapDistanceTwips < value && value < edge + kSnapDistanceTwips;
}
}  // namespace

QPoint SnapToEdges(QPoint topLeft, QSize size, const TwipEdges& work) {
  int left = topLeft.x();
  int top = topLeft.y();
  if (Near(top, 0)) top = 0;
  if (Near(left, 0)) left = 0;
  if (Near(top + size.height(), work.bottom)) {
    top = work.bottom - size.height() - kSnapBottomMarginTwips;
  }
  if (Near(left + size.width(), work.right)) left = work.right - size.width();
  return {left, top};
}

QPoint KeepOnScreen(QPoint topLeft, QSize size, QSize screen) {
  int left = topLeft.x();
  int top = topLeft.y();
  if (left + size.width() > screen.width()) left = std::max(0, screen.width() - size.width());
  if (top + size.height() > screen.height()) top = std::max(0, screen.height() - size.height());
  return {left, top};
}

}  // namespace kd
