#pragma once
// Loads cover pictures from disk with bounded cost: the header is read first,
// pictures too large to hold are refused, and large pictures are decoded at
// the size a cover needs. Damaged files, non-images and refused pictures all
// give a null image; nothing throws and nothing is reported.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

namespace kd {

struct PictureLimits {
  // Pictures whose header claims more pixels than this are refused.
  qint64 maxPixels = 64LL * 1000 * 1000;
  // Refused when the image the decoder would allocate passes this many bytes
  // (the image readers' own allocation limit stays in force as well).
  qint64 maxDecodedBytes = 128LL * 1024 * 1024;
  // The long side of the returned image; larger pictures are decoded scaled
  // down with their aspect ratio kept. 0 keeps the picture's own size.
  int maxSide = 1024;
  // Decode a picture that is scaled down the fast way (JPEG: integer
  // transform, plain upsampling): for thumbnails, where the difference does
  // not show.
  bool fastScaling = false;
};

// The size the decoded picture will have under `limits` (aspect ratio kept,
// never below 1 x 1); `size` itself when it already fits.
QSize CoverDecodeSize(QSize size, int maxSide);

// The picture at `path` (format found from its content, so a misnamed file
// still loads), or a null image.
QImage LoadPicture(const QString& path, const PictureLimits& limits = PictureLimits());
// The same for a picture held in memory (one embedded in a media file).
QImage LoadPictureData(const QByteArray& bytes, const PictureLimits& limits = PictureLimits());

}  // namespace kd
