#include <gtest/gtest.h>

#include "core/WindowPlacement.h"

using namespace kd;

namespace {
// The edge snapping in pixels is tested with the window (WindowSnap.*).
const QSize kWindow(400 * 15, 300 * 15);
}  // namespace

TEST(WindowPlacement, BottomWinsOverTopAndRightOverLeft) {
  const TwipEdges tiny{0, 0, 400 * 15 + 100, 300 * 15 + 100};
  const QPoint p = SnapToEdges({100, 100}, kWindow, tiny);
  EXPECT_EQ(p, QPoint(100, 100 - 15));
}

TEST(WindowPlacement, TwipsPerPixelFollowTheScreensDotsPerInch) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(144), 10);
  EXPECT_EQ(TwipsPerPixel(0), 15);
}
