#pragma once
// Arithmetic of the frameless main window's placement: twips, snapping to the
// screen edges after a drag, keeping the window on screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kd {

inline constexpr int kSnapDistanceTwips = 240;
inline constexpr int kSnapBottomMarginTwips = 15;

// Twips per logical pixel at the given logical DPI (15 at 96 dpi).
int TwipsPerPixel(double logicalDpi);

// A rectangle in twips given by its edges (right and bottom exclusive, as a
// desktop work area is reported).
struct TwipEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The window's new top-left after a drag ends, in twips. The top and left
// edges snap to 0, the bottom and right edges to the work area; within the
// snap distance (strict comparisons); the bottom wins over the top and the
// right over the left.
QPoint SnapToEdges(QPoint topLeftTwips, QSize sizeTwips, const TwipEdges& workArea);

// Moves a window that sticks out of the screen back onto it (right and
// bottom first, never above or left of 0). Pixels.
QPoint KeepOnScreen(QPoint topLeft, QSize size, QSize screen);

}  // namespace kd
