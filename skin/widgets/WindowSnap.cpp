#include "skin/widgets/WindowSnap.h"

#include <cmath>

#include "core/WindowPlacement.h"

namespace kd {

namespace {

int ToPixels(int twips, int perPixel) {
  return static_cast<int>(std::lround(double(twips) / perPixel));
}

}  // namespace

QPoint SnapWindow(const QRect& window, const QRect& available, TwipScale scale) {
  const QPoint topLeft(window.x() * scale.x, window.y() * scale.y);
  const QSize size(window.width() * scale.x, window.height() * scale.y);
  // The work area's right and bottom edges lie just past its last pixels.
  const TwipEdges work{available.x() * scale.x, available.y() * scale.y,
                       (available.x() + available.width()) * scale.x,
                       (available.y() + available.height()) * scale.y};
  const QPoint snapped = SnapToEdges(topLeft, size, work);
  return {ToPixels(snapped.x(), scale.x), ToPixels(snapped.y(), scale.y)};
}

QPoint KeepWindowOnScreen(QPoint topLeft, QSize size, const QRect& available) {
  const QPoint inArea =
      KeepOnScreen(topLeft - available.topLeft(), size, available.size()) + available.topLeft();
  return inArea;
}

}  // namespace kd
