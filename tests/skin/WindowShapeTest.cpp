#include <gtest/gtest.h>

#include <random>

#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"
#include "skin/WindowShape.h"

namespace kd {
namespace {

using namespace test;

constexpr QRgb kKey = 0xFFFF00FFu;
constexpr QRgb kPaint = 0xFF102030u;

// Every pixel of the picture is in the region exactly when it is not the key colour.
void ExpectHolesExactlyAtKey(const QImage& image, const QRegion& region) {
  for (int y = -1; y <= image.height(); ++y) {
    for (int x = -1; x <= image.width(); ++x) {
      const bool inside = image.rect().contains(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFF00FF;
      ASSERT_EQ(region.contains(QPoint(x, y)), inside) << x << "," << y;
    }
  }
}

TEST(RegionFromColor, HolesLieExactlyAtTheKeyColour) {
  const QRegion whole = RegionFromColor(FilledImage(37, 11, kPaint), kKey);
  EXPECT_EQ(whole, QRegion(0, 0, 37, 11));
  EXPECT_EQ(whole.rectCount(), 1);
  EXPECT_TRUE(RegionFromColor(QImage(), kKey).isEmpty());
  // Random holes, a whole row of them, and runs at both edges.
  std::mt19937 random(3);
  QImage noisy = FilledImage(61, 47, kPaint);
  for (int y = 0; y < noisy.height(); ++y) {
    for (int x = 0; x < noisy.width(); ++x) {
      if (y == 20 || random() % 3 == 0) noisy.setPixel(x, y, kKey);
    }
  }
  ExpectHolesExactlyAtKey(noisy, RegionFromColor(noisy, kKey));
  QImage checkered = FilledImage(32, 32, kPaint);
  for (int y = 0; y < 32; ++y) {
    for (int x = (y & 1); x < 32; x += 2) checkered.setPixel(x, y, kKey);
  }
  ExpectHolesExactlyAtKey(checkered, RegionFromColor(checkered, kKey));
}

TEST(RegionFromColor, ComparesTheColourExactlyAndIgnoresAlpha) {
  QImage image(4, 1, QImage::Format_ARGB32);
  image.fill(kPaint);
  image.setPixel(1, 0, qRgba(255, 0, 255, 0));  // transparent but the key colour
  image.setPixel(2, 0, qRgb(255, 0, 254));      // one step off
  image.setPixel(3, 0, kKey);
  EXPECT_EQ(RegionFromColor(image, qRgb(255, 0, 255)), QRegion(0, 0, 1, 1) + QRegion(2, 0, 1, 1));
  // Other picture formats are read by their colours too.
  const QImage rgb888 = FilledImage(5, 5, kKey).convertToFormat(QImage::Format_RGB888);
  EXPECT_TRUE(RegionFromColor(rgb888, kKey).isEmpty());
}

std::optional<QRegion> Outline(std::vector<QPoint> points, std::vector<int32_t> counts,
                               QRect clip = QRect(0, 0, 100, 100), int64_t budget = 1 << 20) {
  return OutlineRegion(points, counts, clip, budget);
}

TEST(OutlineRegion, ATriangleCoversThePixelsWhoseCentreIsInside) {
  const auto region = Outline({{0, 0}, {40, 0}, {0, 40}}, {3});
  ASSERT_TRUE(region.has_value());
  // Row y holds x + y <= 38: at x + y = 39 the centre lies on the slanted edge.
  QRegion inside;
  for (int y = 0; y < 39; ++y) inside += QRect(0, y, 39 - y, 1);
  EXPECT_EQ(*region, inside);
}

TEST(OutlineRegion, SeveralOutlinesFillAlternately) {
  // An outer square with an inner square: the inner one is a hole; a third
  // square overlapping the outer one cancels out where they overlap.
  // clang-format off
  const auto region = Outline({{0, 0}, {30, 0}, {30, 30}, {0, 30},
                               {10, 10}, {20, 10}, {20, 20}, {10, 20},
                               {25, 0}, {40, 0}, {40, 5}, {25, 5}}, {4, 4, 4});
  // clang-format on
  EXPECT_EQ(region, (QRegion(0, 0, 30, 30) - QRegion(10, 10, 10, 10)) ^ QRegion(25, 0, 15, 5));
}

TEST(OutlineRegion, CountsThatDoNotAddUpGiveNoOutline) {
  const std::vector<QPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  for (const std::vector<int32_t>& counts :
       std::vector<std::vector<int32_t>>{{3}, {4, 1}, {5, -1}, {}})
    EXPECT_FALSE(Outline(square, counts).has_value()) << counts.size();
  EXPECT_TRUE(Outline(square, {2, 2}).has_value());
}

TEST(OutlineRegion, StaysInsideTheClipAndWithinItsBudget) {
  const std::vector<QPoint> far{
      {-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
  EXPECT_EQ(Outline(far, {3}, QRect(0, 0, 300, 200)), QRegion(0, 0, 300, 200));
  EXPECT_FALSE(Outline(far, {3}, QRect(0, 0, 30000, 30000), 1000).has_value());
}

TEST(SkinShape, TheLastColourKeyRecordWinsOnThePictureShown) {
  SkinFolder folder;
  QImage main = FilledImage(20, 10, kPaint);
  main.setPixel(1, 1, qRgb(255, 0, 0));
  main.setPixel(2, 2, qRgb(0, 255, 0));
  folder.writeBmp(QStringLiteral("main.bmp"), main);
  EXPECT_EQ(folder.load(SkinWith("O,255,0,0\r\nO1,0,255,0\r\n")).windowShape,
            QRegion(0, 0, 20, 10) - QRegion(2, 2, 1, 1));
  // Without a main bitmap the key works on the picture the window shows now, if any.
  const QByteArray keyed = SkinWith("O,255,0,255\r\n", "none.bmp");
  SkinLoadEnvironment env = folder.environment();
  EXPECT_FALSE(folder.load(keyed, env).windowShape.has_value());
  env.currentMainBitmap = FilledImage(8, 4, kPaint);
  env.currentMainBitmap.setPixel(7, 3, kKey);
  const SkinDocument doc = folder.load(keyed, env);
  EXPECT_EQ(doc.windowShape, QRegion(0, 0, 8, 4) - QRegion(7, 3, 1, 1));
  EXPECT_TRUE(doc.mainBitmap.isNull());
}

TEST(SkinShape, OnlyACompleteOutlineReplacesTheColourKey) {
  SkinFolder folder;
  QImage main = FilledImage(100, 60, kPaint);
  main.setPixel(50, 30, kKey);
  folder.writeBmp(QStringLiteral("main.bmp"), main);
  const QByteArray key = "O,255,0,255\r\n";
  const QRegion keyShape = QRegion(0, 0, 100, 60) - QRegion(50, 30, 1, 1);
  const auto shape = [&](const QByteArray& records) {
    return folder.load(SkinWith(records)).windowShape;
  };
  EXPECT_EQ(shape(key + "N3\r\nP0,0\r\nP100,0\r\nP0,60\r\n"),
            Outline({{0, 0}, {100, 0}, {0, 60}}, {3}));
  EXPECT_EQ(shape(key + "N3\r\nP0,0\r\nP100,0\r\n"), keyShape);  // a point is missing
  EXPECT_FALSE(shape("N0\r\nP0,0\r\n").has_value());
  // Points beyond the count leave their y field to be read as the next key.
  const SkinDocument extra = folder.load(
      SkinWith("N3\r\nP0,0\r\nP10,0\r\nP0,10\r\nP20,B3,1,1,5,5,0,0,k,from the y field\r\n"));
  EXPECT_TRUE(extra.windowShape.has_value());
  EXPECT_EQ(Defined(extra.buttons), "3");
  // Several outlines need counts that add up; a huge count cannot read past the file.
  const QByteArray ring =
      "P0,0\r\nP30,0\r\nP30,30\r\nP0,30\r\nP10,10\r\nP20,10\r\nP20,20\r\nP10,20\r\n";
  EXPECT_EQ(shape("M8,2,4,4\r\n" + ring), QRegion(0, 0, 30, 30) - QRegion(10, 10, 10, 10));
  EXPECT_FALSE(shape("M8,2,4,5\r\n" + ring).has_value());
  EXPECT_FALSE(shape("M8,32767,4,4\r\n" + ring).has_value());
}

TEST(SkinShape, AnOutlineTooLargeToDrawIsToldAndLeftOut) {
  SkinFolder folder;
  QImage main = FilledImage(100, 60, kPaint);
  main.setPixel(50, 30, kKey);
  folder.writeBmp(QStringLiteral("main.bmp"), main);
  folder.writeBmp(QStringLiteral("res.bmp"), FilledImage(4, 4, kPaint));
  // A thin sliver from the top to the bottom of the largest window.
  const QByteArray sliver = "O,255,0,255\r\nN3\r\nP0,0\r\nP1,0\r\nP0,32767\r\n";
  const SkinDocument doc = folder.load(SkinWith(sliver));
  ASSERT_TRUE(doc.windowShape.has_value());
  EXPECT_FALSE(doc.windowShape->isEmpty());
  EXPECT_TRUE(doc.messages.isEmpty());

  SkinLoadEnvironment env = folder.environment();
  env.limits.outlineBudget = 10000;
  const SkinDocument tight = folder.load(SkinWith(sliver), env);
  // The colour key still shapes the window.
  EXPECT_EQ(tight.windowShape, QRegion(0, 0, 100, 60) - QRegion(50, 30, 1, 1));
  ASSERT_EQ(tight.messages.size(), 1);
  EXPECT_TRUE(tight.messages[0].contains(QStringLiteral("outline")))
      << tight.messages[0].toStdString();
  // Counts that do not add up stay as silent as they always were.
  EXPECT_TRUE(
      folder.load(SkinWith("M3,2,1,1\r\nP0,0\r\nP1,0\r\nP0,1\r\n"), env).messages.isEmpty());
}

}  // namespace
}  // namespace kd
