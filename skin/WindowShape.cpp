#include "skin/WindowShape.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/RegionBuilder.h"

namespace kd {

namespace {

// Runs of pixels that are not the key colour in one row. Written without
// branches so the compiler can vectorise it: it is a second pass over the
// picture and must cost little next to the first.
size_t CountKeptRuns(const quint32* line, int width, quint32 keyRgb) {
  if (width <= 0) return 0;
  size_t runs = (line[0] & 0x00FFFFFFu) != keyRgb;
  for (int x = 1; x < width; ++x) {
    const unsigned kept = (line[x] & 0x00FFFFFFu) != keyRgb;
    const unsigned keptBefore = (line[x - 1] & 0x00FFFFFFu) != keyRgb;
    runs += kept & (keptBefore ^ 1u);
  }
  return runs;
}

}  // namespace

QRegion RegionFromColor(const QImage& picture, QRgb key) {
  if (picture.isNull()) return {};
  QImage image = picture;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
    image = image.convertToFormat(QImage::Format_ARGB32);
  }
  const int width = image.width();
  const int height = image.height();
  const quint32 keyRgb = key & 0x00FFFFFFu;

  // Sizing the rectangle list once matters: a busy picture gives a million
  // rectangles, and regrowing that list costs more than counting them.
  size_t runs = 0;
  for (int y = 0; y < height; ++y) {
    runs += CountKeptRuns(reinterpret_cast<const quint32*>(image.constScanLine(y)), width, keyRgb);
  }
  RegionBuilder builder;
  builder.reserve(runs);
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
    builder.beginRow(y);
    int x = 0;
    while (x < width) {
      const int start = x;
      while (x < width && (line[x] & 0x00FFFFFFu) != keyRgb) ++x;
      builder.addRun(start, x);
      while (x < width && (line[x] & 0x00FFFFFFu) == keyRgb) ++x;
    }
  }
  return builder.finish();
}

namespace {

struct Edge {
  int yTop;     // first row the edge crosses
  int yBottom;  // one past its last row
  double x0, y0, slope;
};

// The edges of every outline, horizontal ones left out (they cross no row centre).
std::vector<Edge> CollectEdges(std::span<const QPoint> points, std::span<const int32_t> counts) {
  std::vector<Edge> edges;
  edges.reserve(points.size());
  size_t first = 0;
  for (const int32_t count : counts) {
    const size_t n = static_cast<size_t>(count);
    for (size_t i = 0; i < n; ++i) {
      const QPoint a = points[first + i];
      const QPoint b = points[first + (i + 1) % n];
      if (a.y() == b.y()) continue;
      const QPoint& top = a.y() < b.y() ? a : b;
      const QPoint& bottom = a.y() < b.y() ? b : a;
      edges.push_back({top.y(), bottom.y(), double(top.x()), double(top.y()),
                       (double(bottom.x()) - top.x()) / (double(bottom.y()) - top.y())});
    }
    first += n;
  }
  std::sort(edges.begin(), edges.end(),
            [](const Edge& l, const Edge& r) { return l.yTop < r.yTop; });
  return edges;
}

}  // namespace

bool OutlineCountsFit(size_t pointCount, std::span<const int32_t> counts) {
  if (counts.empty()) return false;
  int64_t total = 0;
  for (const int32_t count : counts) {
    if (count < 1) return false;
    total += count;
  }
  return total == static_cast<int64_t>(pointCount);
}

std::optional<QRegion> OutlineRegion(std::span<const QPoint> points,
                                     std::span<const int32_t> counts, const QRect& clip,
                                     int64_t budget) {
  if (!OutlineCountsFit(points.size(), counts)) return std::nullopt;

  const std::vector<Edge> edges = CollectEdges(points, counts);
  if (edges.empty() || clip.isEmpty()) return QRegion();
  int rowBegin = edges.front().yTop;
  int rowEnd = rowBegin;
  for (const Edge& e : edges) rowEnd = std::max(rowEnd, e.yBottom);
  rowBegin = std::max(rowBegin, clip.top());
  rowEnd = std::min(rowEnd, clip.bottom() + 1);
  if (rowEnd <= rowBegin) return QRegion();
  if (int64_t(rowEnd - rowBegin) * int64_t(edges.size()) > budget) return std::nullopt;

  const double clipLeft = clip.left();
  const double clipRight = double(clip.right()) + 1.0;
  RegionBuilder builder;
  std::vector<const Edge*> active;
  std::vector<double> crossings;
  size_t next = 0;
  for (int y = rowBegin; y < rowEnd; ++y) {
    while (next < edges.size() && edges[next].yTop <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->yBottom <= y; });
    const double yc = y + 0.5;
    crossings.clear();
    for (const Edge* e : active) crossings.push_back(e->x0 + (yc - e->y0) * e->slope);
    std::sort(crossings.begin(), crossings.end());

    builder.beginRow(y);
    int runLeft = 0;
    int runRight = 0;  // the pending run [runLeft, runRight); empty when equal
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixels whose centre lies in [a, b), kept inside the clip.
      const double a = std::clamp(crossings[i], clipLeft, clipRight);
      const double b = std::clamp(crossings[i + 1], clipLeft, clipRight);
      const int left = int(std::ceil(a - 0.5));
      const int right = int(std::ceil(b - 0.5));
      if (right <= left) continue;
      if (runRight > runLeft && left <= runRight) {
        runRight = std::max(runRight, right);
        continue;
      }
      builder.addRun(runLeft, runRight);
      runLeft = left;
      runRight = right;
    }
    builder.addRun(runLeft, runRight);
  }
  return builder.finish();
}

}  // namespace kd
