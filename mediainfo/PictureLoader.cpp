#include "mediainfo/PictureLoader.h"

#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>

#include "util/Paths.h"

namespace kd {

namespace {

constexpr qint64 kBytesPerPixel = 4;  // decoders hand out 32-bit images at most
constexpr int kFastQuality = 49;

}  // namespace

QSize CoverDecodeSize(QSize size, int maxSide) {
  if (maxSide <= 0 || size.isEmpty()) return size;
  if (size.width() <= maxSide && size.height() <= maxSide) return size;
  QSize scaled = size.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
  return scaled.expandedTo(QSize(1, 1));
}

namespace {

QImage readBounded(QImageReader& reader, const PictureLimits& limits) {
  // Decide by content: a JPEG saved as ".bmp" is still a picture.
  reader.setDecideFormatFromContent(true);
  if (!reader.canRead()) return {};

  // Without a size in the header the cost of decoding cannot be bounded.
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) return {};
  const qint64 pixels = qint64(size.width()) * size.height();
  if (pixels > limits.maxPixels) return {};

  const QSize target = CoverDecodeSize(size, limits.maxSide);
  const bool scaled = target != size;
  // A decoder that scales while decoding allocates about the target size
  // (JPEG decodes at the next 1/8 step above it, so at most 4 times the
  // pixels); any other decodes the full picture first.
  const bool scalesWhileDecoding = scaled && reader.supportsOption(QImageIOHandler::ScaledSize);
  const qint64 decodedPixels =
      scalesWhileDecoding ? std::min(pixels, qint64(target.width()) * target.height() * 4) : pixels;
  if (decodedPixels * kBytesPerPixel > limits.maxDecodedBytes) return {};

  if (scaled) {
    reader.setScaledSize(target);
    // Qt's decoders take a quality below 50 as leave to decode fast.
    if (limits.fastScaling) reader.setQuality(kFastQuality);
  }
  QImage image = reader.read();
  if (image.isNull()) return {};
  return image;
}

}  // namespace

QImage LoadPicture(const QString& path, const PictureLimits& limits) {
  // Only regular files: a FIFO or device would block the reader.
  if (path.contains(QChar(0)) || !FileExists(path)) return {};
  QImageReader reader(path);
  return readBounded(reader, limits);
}

QImage LoadPictureData(const QByteArray& bytes, const PictureLimits& limits) {
  if (bytes.isEmpty()) return {};
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer);
  return readBounded(reader, limits);
}

}  // namespace kd
