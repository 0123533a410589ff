#include "skin/BlockCopy.h"

#include <algorithm>
#include <cstring>

namespace kd {

namespace {

bool IsDirect32(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

int64_t CopyBlock(const QImage& from, const QRect& source, QImage& to, QPoint target) {
  if (from.isNull() || to.isNull() || source.isEmpty()) return 0;
  // Clip the source to `from`, shifting the target with it, then to `to`.
  QRect src = source.intersected(from.rect());
  QPoint dst = target + (src.topLeft() - source.topLeft());
  const QRect dstRect(dst, src.size());
  const QRect clipped = dstRect.intersected(to.rect());
  if (clipped.isEmpty()) return 0;
  src = QRect(src.topLeft() + (clipped.topLeft() - dstRect.topLeft()), clipped.size());
  dst = clipped.topLeft();

  if (!IsDirect32(to.format())) to = to.convertToFormat(QImage::Format_ARGB32);
  // Opaque pixels are stored alike in all three 32-bit formats; a source with
  // alpha is brought to the target's own form first.
  QImage converted;
  const QImage* in32 = &from;
  if (from.format() != QImage::Format_RGB32 && from.format() != to.format()) {
    converted = from.convertToFormat(to.format());
    in32 = &converted;
  }
  const bool opaqueTarget = to.format() == QImage::Format_RGB32;
  const size_t rowBytes = size_t(src.width()) * 4;
  // One detach of the target, then plain pointer steps per row.
  uchar* outBase = to.bits() + qsizetype(dst.y()) * to.bytesPerLine() + qsizetype(dst.x()) * 4;
  const uchar* inBase =
      in32->constBits() + qsizetype(src.y()) * in32->bytesPerLine() + qsizetype(src.x()) * 4;
  for (int row = 0; row < src.height(); ++row) {
    auto* out = reinterpret_cast<quint32*>(outBase + qsizetype(row) * to.bytesPerLine());
    const uchar* inRow = inBase + qsizetype(row) * in32->bytesPerLine();
    if (opaqueTarget) {
      // One pass that copies and sets alpha: a copy followed by a second
      // pass over the same short row stalls on the fresh stores.
      const auto* in = reinterpret_cast<const quint32*>(inRow);
      for (int i = 0; i < src.width(); ++i) out[i] = in[i] | 0xFF000000u;
    } else {
      std::memcpy(out, inRow, rowBytes);
    }
  }
  return int64_t(src.width()) * src.height();
}

QImage CutBlock(const QImage& from, int x, int y, int w, int h) {
  if (from.isNull()) return {};
  w = std::min(w, from.width());
  h = std::min(h, from.height());
  if (w < 1 || h < 1) return {};
  QImage block(w, h, QImage::Format_RGB32);
  block.fill(0xFF000000u);
  CopyBlock(from, QRect(x, y, w, h), block, QPoint(0, 0));
  return block;
}

}  // namespace kd
