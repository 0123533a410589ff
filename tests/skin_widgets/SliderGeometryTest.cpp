// Knob arithmetic and window placement in pixels.

#include <gtest/gtest.h>

#include "skin/widgets/SliderGeometry.h"
#include "skin/widgets/WindowSnap.h"

namespace kd {
namespace {

const SliderDef kHorizontal{20, 70, 100, 0, 0, 0, 10, 6, 0};
const SliderDef kVertical{180, 100, 0, 50, 0, 0, 8, 6, 0};

// Placing a knob by value follows from the drag values below and the round
// trip of every pixel; what remains is that values are floored and that the
// volume bar changes its size instead.
TEST(SliderGeometry, ValuesAreFlooredAndTheVolumeBarChangesItsSize) {
  EXPECT_EQ(PlaceKnob(1, kHorizontal, 0.255f), (KnobPlacement{KnobEdge::Left, 45}));
  EXPECT_EQ(PlaceKnob(4, kHorizontal, 0.5f), (KnobPlacement{KnobEdge::Width, 50}));
  EXPECT_EQ(PlaceKnob(4, kVertical, 0.2f), (KnobPlacement{KnobEdge::Height, 40}));
}

TEST(SliderGeometry, DraggedPositionsGiveValuesThatPutTheKnobBackThere) {
  // Every pixel of a track maps to a value that places the knob on that very
  // pixel, so the knob never lags behind the pointer.
  const SliderDef odd{7, 0, 396, 0, 0, 0, 16, 12, 0};
  for (int p = odd.X; p <= odd.X + odd.W; ++p) {
    const auto step = DragKnob(odd, p);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(PlaceKnob(1, odd, step->value).p, p) << "pixel " << p;
  }
  const SliderDef tall{0, 13, 0, 333, 0, 0, 8, 8, 0};
  for (int p = tall.Y; p <= tall.Y + tall.H; ++p) {
    EXPECT_EQ(PlaceKnob(2, tall, DragKnob(tall, p)->value).p, p) << "pixel " << p;
  }
}

TEST(SliderGeometry, DragsRoundAndStayOnTheTrack) {
  EXPECT_EQ(DragKnob(kHorizontal, 44.6)->p, 45);
  EXPECT_FLOAT_EQ(DragKnob(kHorizontal, 45)->value, 0.25f);
  EXPECT_EQ(DragKnob(kHorizontal, -300)->p, 20);
  EXPECT_FLOAT_EQ(DragKnob(kHorizontal, -300)->value, 0.f);
  EXPECT_EQ(DragKnob(kHorizontal, 900)->p, 120);
  EXPECT_FLOAT_EQ(DragKnob(kHorizontal, 900)->value, 1.f);
  EXPECT_FLOAT_EQ(DragKnob(kVertical, 100)->value, 1.f);
  EXPECT_FLOAT_EQ(DragKnob(kVertical, 150)->value, 0.f);
  EXPECT_FLOAT_EQ(DragKnob(kVertical, 140)->value, 0.2f);
}

TEST(WindowSnap, SnapsInPixelsWithTheTwipDistances) {
  const QRect work(0, 0, 1024, 740);
  const TwipScale at96{15, 15};
  // Top at 10 px (150 twips): to 0. Left at 16 px (240 twips) is not within.
  EXPECT_EQ(SnapWindow(QRect(16, 10, 200, 100), work, at96), QPoint(16, 0));
  EXPECT_EQ(SnapWindow(QRect(15, 300, 200, 100), work, at96), QPoint(0, 300));
  // Bottom 5 px above the work area's bottom: one pixel above it.
  EXPECT_EQ(SnapWindow(QRect(300, 635, 200, 100), work, at96), QPoint(300, 639));
  // Right edge 10 px beyond the work area: exactly on its right.
  EXPECT_EQ(SnapWindow(QRect(834, 300, 200, 100), work, at96), QPoint(824, 300));
  // At 144 dpi the same 240 twips are 24 px.
  const TwipScale at144{10, 10};
  EXPECT_EQ(SnapWindow(QRect(23, 300, 200, 100), work, at144), QPoint(0, 300));
  EXPECT_EQ(SnapWindow(QRect(24, 300, 200, 100), work, at144), QPoint(24, 300));
}

TEST(WindowSnap, KeepsTheWindowOnTheAvailableArea) {
  const QRect area(0, 0, 1024, 768);
  EXPECT_EQ(KeepWindowOnScreen(QPoint(900, 700), QSize(200, 100), area), QPoint(824, 668));
  EXPECT_EQ(KeepWindowOnScreen(QPoint(10, 20), QSize(200, 100), area), QPoint(10, 20));
  // Larger than the screen: the top-left corner stays on it.
  EXPECT_EQ(KeepWindowOnScreen(QPoint(50, 50), QSize(2000, 100), area), QPoint(0, 50));
  // A second screen to the right keeps its own left edge.
  EXPECT_EQ(KeepWindowOnScreen(QPoint(2900, 10), QSize(200, 100), QRect(1024, 0, 1920, 1080)),
            QPoint(2744, 10));
}

}  // namespace
}  // namespace kd
