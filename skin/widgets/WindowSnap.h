#pragma once
// The frameless window's placement in pixels, with the twips arithmetic of
// core/WindowPlacement underneath.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kd {

// Twips per pixel horizontally and vertically.
struct TwipScale {
  int x = 15;
  int y = 15;
};

// Where a window dropped at `window` (pixels) ends after snapping to the
// edges: the top and left edges to 0, the bottom and right edges to the work
// area `available` (pixels), each within 240 twips.
QPoint SnapWindow(const QRect& window, const QRect& available, TwipScale scale);

// Where a window of `size` at `topLeft` must go to lie on the screen area
// `available` (pixels): moved back from the right and bottom, never beyond
// the area's left and top.
QPoint KeepWindowOnScreen(QPoint topLeft, QSize size, const QRect& available);

}  // namespace kd
