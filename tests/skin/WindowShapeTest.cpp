#include <gtest/gtest.h>

#include <QPolygon>
#include <random>

#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"
#include "skin/WindowShape.h"

namespace kd {
namespace {

using test::FilledImage;
using test::SkinFolder;
using test::SkinWith;

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

TEST(RegionFromColor, APictureWithoutTheKeyIsItsWholeRectangle) {
  const QImage image = FilledImage(37, 11, kPaint);
  const QRegion region = RegionFromColor(image, kKey);
  EXPECT_EQ(region, QRegion(0, 0, 37, 11));
  EXPECT_EQ(region.rectCount(), 1);
  EXPECT_TRUE(RegionFromColor(QImage(), kKey).isEmpty());
}

TEST(RegionFromColor, RemovesFullRowsAndRunsThatTouchTheRightEdge) {
  QImage image = FilledImage(20, 6, kPaint);
  for (int x = 0; x < 20; ++x) image.setPixel(x, 2, kKey);   // a whole row
  for (int x = 15; x < 20; ++x) image.setPixel(x, 4, kKey);  // up to the edge
  image.setPixel(0, 5, kKey);                                // at the left edge
  image.setPixel(7, 5, kKey);
  const QRegion region = RegionFromColor(image, kKey);
  ExpectHolesExactlyAtKey(image, region);
  // Rows 0 and 1 are the same and form one band.
  EXPECT_EQ(region.begin()[0], QRect(0, 0, 20, 2));
}

TEST(RegionFromColor, ComparesTheColourExactlyAndIgnoresAlpha) {
  QImage image(6, 1, QImage::Format_ARGB32);
  image.fill(kPaint);
  image.setPixel(1, 0, qRgba(255, 0, 255, 0));  // transparent but the key colour
  image.setPixel(2, 0, qRgb(255, 0, 254));      // one step off
  image.setPixel(3, 0, kKey);
  const QRegion region = RegionFromColor(image, qRgb(255, 0, 255));
  EXPECT_TRUE(region.contains(QPoint(0, 0)));
  EXPECT_FALSE(region.contains(QPoint(1, 0)));
  EXPECT_TRUE(region.contains(QPoint(2, 0)));
  EXPECT_FALSE(region.contains(QPoint(3, 0)));
  // Other picture formats are read by their colours too.
  const QImage rgb888 = FilledImage(5, 5, kKey).convertToFormat(QImage::Format_RGB888);
  EXPECT_TRUE(RegionFromColor(rgb888, kKey).isEmpty());
}

TEST(RegionFromColor, MatchesThePictureOnRandomAndCheckeredPatterns) {
  std::mt19937 random(3);
  QImage noisy = FilledImage(61, 47, kPaint);
  for (int y = 0; y < noisy.height(); ++y) {
    for (int x = 0; x < noisy.width(); ++x) {
      if (random() % 3 == 0) noisy.setPixel(x, y, kKey);
    }
  }
  ExpectHolesExactlyAtKey(noisy, RegionFromColor(noisy, kKey));
  QImage checkered = FilledImage(32, 32, kPaint);
  for (int y = 0; y < 32; ++y) {
    for (int x = (y & 1); x < 32; x += 2) checkered.setPixel(x, y, kKey);
  }
  ExpectHolesExactlyAtKey(checkered, RegionFromColor(checkered, kKey));
}

TEST(OutlineRegion, ATriangleCoversItsInside) {
  const QPoint points[] = {{0, 0}, {40, 0}, {0, 40}};
  const int32_t counts[] = {3};
  const auto region = OutlineRegion(points, counts, QRect(0, 0, 100, 100), 1 << 20);
  ASSERT_TRUE(region.has_value());
  EXPECT_TRUE(region->contains(QPoint(1, 1)));
  EXPECT_TRUE(region->contains(QPoint(18, 18)));
  EXPECT_FALSE(region->contains(QPoint(22, 22)));
  EXPECT_FALSE(region->contains(QPoint(40, 1)));
  // Pixels whose centre lies inside: the column at x = 39 is already outside.
  EXPECT_EQ(region->boundingRect(), QRect(0, 0, 39, 39));
  // Pixel centres inside the polygon: the same area Qt's own polygon fill gives.
  const QRegion qt(QPolygon({QPoint(0, 0), QPoint(40, 0), QPoint(0, 40)}), Qt::OddEvenFill);
  int differing = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x)
      differing += region->contains(QPoint(x, y)) != qt.contains(QPoint(x, y));
  }
  EXPECT_LE(differing, 40);  // at most the pixels along the slanted edge
}

TEST(OutlineRegion, SeveralOutlinesFillAlternately) {
  // An outer square with an inner square: the inner one is a hole; a third
  // square overlapping the outer one cancels out where they overlap.
  const QPoint points[] = {{0, 0},   {30, 0},  {30, 30}, {0, 30},   // outer
                           {10, 10}, {20, 10}, {20, 20}, {10, 20},  // hole
                           {25, 0},  {40, 0},  {40, 5},  {25, 5}};  // overlap
  const int32_t counts[] = {4, 4, 4};
  const auto region = OutlineRegion(points, counts, QRect(0, 0, 100, 100), 1 << 20);
  ASSERT_TRUE(region.has_value());
  EXPECT_TRUE(region->contains(QPoint(5, 5)));
  EXPECT_FALSE(region->contains(QPoint(15, 15)));
  EXPECT_TRUE(region->contains(QPoint(22, 15)));
  EXPECT_FALSE(region->contains(QPoint(27, 2)));  // inside two outlines
  EXPECT_TRUE(region->contains(QPoint(35, 2)));
  EXPECT_TRUE(region->contains(QPoint(27, 8)));
}

TEST(OutlineRegion, CountsThatDoNotAddUpGiveNoOutline) {
  const QPoint points[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const QRect clip(0, 0, 50, 50);
  EXPECT_FALSE(OutlineRegion(points, std::vector<int32_t>{3}, clip, 1 << 20).has_value());
  EXPECT_FALSE(OutlineRegion(points, std::vector<int32_t>{4, 1}, clip, 1 << 20).has_value());
  EXPECT_FALSE(OutlineRegion(points, std::vector<int32_t>{5, -1}, clip, 1 << 20).has_value());
  EXPECT_FALSE(OutlineRegion(points, std::vector<int32_t>{}, clip, 1 << 20).has_value());
  EXPECT_TRUE(OutlineRegion(points, std::vector<int32_t>{2, 2}, clip, 1 << 20).has_value());
}

TEST(OutlineRegion, StaysInsideTheClipAndWithinItsBudget) {
  const QPoint far[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
  const int32_t counts[] = {3};
  const auto clipped = OutlineRegion(far, counts, QRect(0, 0, 300, 200), 1 << 20);
  ASSERT_TRUE(clipped.has_value());
  EXPECT_EQ(*clipped, QRegion(0, 0, 300, 200));
  EXPECT_FALSE(OutlineRegion(far, counts, QRect(0, 0, 30000, 30000), 1000).has_value());
}

TEST(SkinShape, TheLastColourKeyRecordWins) {
  SkinFolder folder;
  QImage main = FilledImage(20, 10, kPaint);
  main.setPixel(1, 1, qRgb(255, 0, 0));
  main.setPixel(2, 2, qRgb(0, 255, 0));
  folder.writeBmp(QStringLiteral("main.bmp"), main);
  const SkinDocument doc = folder.load(SkinWith("O,255,0,0\r\nO1,0,255,0\r\n"));
  ASSERT_TRUE(doc.windowShape.has_value());
  EXPECT_TRUE(doc.windowShape->contains(QPoint(1, 1)));
  EXPECT_FALSE(doc.windowShape->contains(QPoint(2, 2)));
}

TEST(SkinShape, WithoutAMainBitmapTheColourKeyWorksOnThePictureShownNow) {
  SkinFolder folder;
  folder.write(QStringLiteral("keyed.skin"), SkinWith("O,255,0,255\r\n"));
  SkinLoadEnvironment env = folder.environment();
  const SkinDocument none = SkinLoader(env).LoadSkin(QStringLiteral("keyed.skin"));
  EXPECT_FALSE(none.windowShape.has_value());  // no picture at all: no shape
  env.currentMainBitmap = FilledImage(8, 4, kPaint);
  env.currentMainBitmap.setPixel(7, 3, kKey);
  const SkinDocument doc = SkinLoader(env).LoadSkin(QStringLiteral("keyed.skin"));
  ASSERT_TRUE(doc.windowShape.has_value());
  ExpectHolesExactlyAtKey(env.currentMainBitmap, *doc.windowShape);
  EXPECT_TRUE(doc.mainBitmap.isNull());
}

TEST(SkinShape, ACompleteOutlineReplacesTheColourKeyAndAnIncompleteOneDoesNot) {
  SkinFolder folder;
  QImage main = FilledImage(100, 60, kPaint);
  main.setPixel(50, 30, kKey);
  folder.writeBmp(QStringLiteral("main.bmp"), main);
  const QByteArray key = "O,255,0,255\r\n";
  const SkinDocument triangle = folder.load(SkinWith(key + "N3\r\nP0,0\r\nP100,0\r\nP0,60\r\n"));
  ASSERT_TRUE(triangle.windowShape.has_value());
  EXPECT_TRUE(triangle.windowShape->contains(QPoint(5, 5)));
  EXPECT_FALSE(triangle.windowShape->contains(QPoint(90, 50)));

  const SkinDocument missingPoint = folder.load(SkinWith(key + "N3\r\nP0,0\r\nP100,0\r\n"));
  ASSERT_TRUE(missingPoint.windowShape.has_value());  // still the colour-key shape
  EXPECT_TRUE(missingPoint.windowShape->contains(QPoint(90, 50)));
  EXPECT_FALSE(missingPoint.windowShape->contains(QPoint(50, 30)));

  const SkinDocument countZero = folder.load(SkinWith("N0\r\nP0,0\r\n"));
  EXPECT_FALSE(countZero.windowShape.has_value());
}

TEST(SkinShape, PointsBeyondTheCountLeaveTheirYForTheNextKey) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(
      SkinWith("N3\r\nP0,0\r\nP10,0\r\nP0,10\r\nP20,B3,1,1,5,5,0,0,k,from the y field\r\n"));
  EXPECT_TRUE(doc.windowShape.has_value());
  EXPECT_TRUE(doc.buttons[3].has_value());
}

TEST(SkinShape, MultiOutlinesNeedCountsThatAddUp) {
  SkinFolder folder;
  const QByteArray points =
      "P0,0\r\nP30,0\r\nP30,30\r\nP0,30\r\nP10,10\r\nP20,10\r\nP20,20\r\nP10,20\r\n";
  const SkinDocument ring = folder.load(SkinWith("M8,2,4,4\r\n" + points));
  ASSERT_TRUE(ring.windowShape.has_value());
  EXPECT_TRUE(ring.windowShape->contains(QPoint(5, 5)));
  EXPECT_FALSE(ring.windowShape->contains(QPoint(15, 15)));

  const SkinDocument bad = folder.load(SkinWith("M8,2,4,5\r\n" + points));
  EXPECT_FALSE(bad.windowShape.has_value());
  // A huge outline count cannot read past the file.
  const SkinDocument huge = folder.load(SkinWith("M8,32767,4,4\r\n" + points));
  EXPECT_FALSE(huge.windowShape.has_value());
}

}  // namespace
}  // namespace kd
