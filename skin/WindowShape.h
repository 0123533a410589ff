#pragma once
// Window shapes of a skin: holes where a key colour lies, or outlines.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <optional>
#include <span>

namespace kd {

// The rectangle of the picture minus every pixel whose 24-bit colour equals
// the key's exactly (alpha ignored). A picture without the key colour gives
// its full rectangle; a null picture gives an empty region.
QRegion RegionFromColor(const QImage& picture, QRgb key);

// True when `counts` split `pointCount` points into outlines: each count is
// at least 1 and they add up to the points given.
bool OutlineCountsFit(size_t pointCount, std::span<const int32_t> counts);

// Polygons through `points`: the first counts[0] points form the first
// outline (closed back to its first point), the next counts[1] the second,
// and so on; a pixel belongs to the shape when its centre lies inside an odd
// number of outline crossings (alternate fill, which for one outline that
// does not cross itself is simply its inside).
// Returns nullopt when the counts do not fit (OutlineCountsFit), and when
// rasterising the rows of `clip` that the outlines cover would cost more than
// `budget` (rows x edges). The result lies inside `clip`.
std::optional<QRegion> OutlineRegion(std::span<const QPoint> points,
                                     std::span<const int32_t> counts, const QRect& clip,
                                     int64_t budget);

}  // namespace kd
