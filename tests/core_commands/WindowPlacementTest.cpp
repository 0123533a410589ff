#include <gtest/gtest.h>

#include "core/WindowPlacement.h"

using namespace kd;

namespace {
// A 1024x768 screen at 15 twips per pixel with a task bar of 40 pixels below.
const TwipEdges kWork{0, 0, 1024 * 15, 728 * 15};
const QSize kWindow(400 * 15, 300 * 15);
}  // namespace

TEST(WindowPlacement, TopAndLeftSnapToTheScreenOrigin) {
  EXPECT_EQ(SnapToEdges({3000, 200}, kWindow, kWork), QPoint(3000, 0));
  EXPECT_EQ(SnapToEdges({-239, 3000}, kWindow, kWork), QPoint(0, 3000));
  EXPECT_EQ(SnapToEdges({240, 3000}, kWindow, kWork), QPoint(240, 3000));  // strict
}

TEST(WindowPlacement, BottomAndRightSnapToTheWorkArea) {
  // Bottom 100 twips above the work area's bottom: ends 15 twips above it.
  const int top = kWork.bottom - kWindow.height() - 100;
  EXPECT_EQ(SnapToEdges({3000, top}, kWindow, kWork).y(), kWork.bottom - kWindow.height() - 15);
  // Right edge 239 twips beyond the work area: ends exactly on it.
  const int left = kWork.right - kWindow.width() + 239;
  EXPECT_EQ(SnapToEdges({left, 3000}, kWindow, kWork).x(), kWork.right - kWindow.width());
}

TEST(WindowPlacement, BottomWinsOverTopAndRightOverLeft) {
  const TwipEdges tiny{0, 0, 400 * 15 + 100, 300 * 15 + 100};
  const QPoint p = SnapToEdges({100, 100}, kWindow, tiny);
  EXPECT_EQ(p, QPoint(100, 100 - 15));
}

TEST(WindowPlacement, TwipsAndKeepingOnScreen) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(144), 10);
  EXPECT_EQ(TwipsPerPixel(0), 15);
  EXPECT_EQ(KeepOnScreen({900, 700}, {400, 300}, {1024, 768}), QPoint(624, 468));
  EXPECT_EQ(KeepOnScreen({10, 10}, {2000, 300}, {1024, 768}), QPoint(0, 10));
}
