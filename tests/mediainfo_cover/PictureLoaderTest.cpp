#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include "CoverFixtures.h"
#include "mediainfo/PictureLoader.h"
#include "support/TempDir.h"

using namespace kd;
using namespace kd::test;

namespace {

// A BMP file header and info header claiming `width` x `height` at 24 bits,
// followed by only a few bytes of pixels.
QByteArray bmpClaiming(qint32 width, qint32 height) {
  QByteArray bytes(54, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  qToLittleEndian<quint32>(54 + 16, bytes.data() + 2);
  qToLittleEndian<quint32>(54, bytes.data() + 10);
  qToLittleEndian<quint32>(40, bytes.data() + 14);
  qToLittleEndian<qint32>(width, bytes.data() + 18);
  qToLittleEndian<qint32>(height, bytes.data() + 22);
  qToLittleEndian<quint16>(1, bytes.data() + 26);
  qToLittleEndian<quint16>(24, bytes.data() + 28);
  return bytes + QByteArray(16, '\x7f');
}

// A real small JPEG whose frame header is patched to claim `width` x `height`.
QByteArray jpegClaiming(quint16 width, quint16 height) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::green);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
  if (sof < 0) return {};
  qToBigEndian<quint16>(height, bytes.data() + sof + 5);
  qToBigEndian<quint16>(width, bytes.data() + sof + 7);
  return bytes;
}

}  // namespace

TEST(PictureLoader, LoadsBmpGifAndJpegByContent) {
  TempDir dir;
  const QImage bmp = LoadPicture(writePicture(dir.path() + "a.bmp", {40, 30}, Qt::red, "BMP"));
  EXPECT_EQ(bmp.size(), QSize(40, 30));
  EXPECT_EQ(centreColour(bmp), QColor(Qt::red));

  const QImage gif = LoadPicture(dir.write("b.GIF", tinyGif()));
  EXPECT_EQ(gif.size(), QSize(1, 1));

  const QImage jpg = LoadPicture(writePicture(dir.path() + "c.jpg", {64, 48}, Qt::blue, "JPG"));
  EXPECT_EQ(jpg.size(), QSize(64, 48));
  EXPECT_TRUE(nearColour(centreColour(jpg), Qt::blue));

  // A JPEG saved under a bitmap's name is still read.
  const QImage misnamed =
      LoadPicture(writePicture(dir.path() + "d.bmp", {20, 20}, Qt::yellow, "JPG"));
  EXPECT_EQ(misnamed.size(), QSize(20, 20));
}

TEST(PictureLoader, DamagedAndNonImagesGiveNull) {
  TempDir dir;
  EXPECT_TRUE(LoadPicture(dir.write("garbage.jpg", QByteArray(4096, '\x5a'))).isNull());
  EXPECT_TRUE(LoadPicture(dir.write("empty.bmp", QByteArray())).isNull());
  EXPECT_TRUE(LoadPicture(dir.write("text.gif", "#EXTM3U\r\nsong.mp3\r\n")).isNull());
  EXPECT_TRUE(LoadPicture(dir.write("cut.bmp", bmpClaiming(40, 40).left(30))).isNull());
  EXPECT_TRUE(LoadPicture(dir.write("cut.gif", tinyGif().left(12))).isNull());
  EXPECT_TRUE(LoadPicture(dir.path() + "missing.jpg").isNull());
  EXPECT_TRUE(LoadPicture(dir.mkdir("folder.jpg")).isNull());
  EXPECT_TRUE(LoadPicture(QString()).isNull());
  EXPECT_TRUE(LoadPicture(dir.path() + QString(QChar(0)) + "x.jpg").isNull());
}

TEST(PictureLoader, HeadersClaimingHugePicturesAreRefusedBeforeDecoding) {
  TempDir dir;
  EXPECT_TRUE(LoadPicture(dir.write("huge.bmp", bmpClaiming(20000, 20000))).isNull());
  // Bottom-up and top-down (negative height) bitmaps alike.
  EXPECT_TRUE(LoadPicture(dir.write("huge2.bmp", bmpClaiming(20000, -20000))).isNull());
  const QByteArray jpeg = jpegClaiming(20000, 20000);
  ASSERT_FALSE(jpeg.isEmpty());
  EXPECT_TRUE(LoadPicture(dir.write("huge.jpg", jpeg)).isNull());
}

TEST(PictureLoader, LargePicturesAreDecodedAtCoverSize) {
  TempDir dir;
  const QString jpeg = writePicture(dir.path() + "big.jpg", {3000, 2000}, Qt::darkCyan, "JPG");
  const QImage fromJpeg = LoadPicture(jpeg);
  EXPECT_EQ(fromJpeg.size(), QSize(1024, 682));
  EXPECT_TRUE(nearColour(centreColour(fromJpeg), Qt::darkCyan));

  const QString bmp = writePicture(dir.path() + "tall.bmp", {500, 2000}, Qt::magenta, "BMP");
  EXPECT_EQ(LoadPicture(bmp).size(), QSize(256, 1024));

  PictureLimits unscaled;
  unscaled.maxSide = 0;
  EXPECT_EQ(LoadPicture(bmp, unscaled).size(), QSize(500, 2000));
}

TEST(PictureLoader, DecodedSizeLimitCountsWhatTheDecoderAllocates) {
  TempDir dir;
  PictureLimits limits;
  limits.maxSide = 256;
  limits.maxDecodedBytes = 2 * 1024 * 1024;  // less than a full 1200 x 1000 decode
  // JPEG decodes scaled, so only the small image is allocated.
  const QString jpeg = writePicture(dir.path() + "p.jpg", {1200, 1000}, Qt::gray, "JPG");
  EXPECT_EQ(LoadPicture(jpeg, limits).size(), QSize(256, 213));
  // A bitmap is decoded whole before scaling, so it passes the limit.
  const QString bmp = writePicture(dir.path() + "p.bmp", {1200, 1000}, Qt::gray, "BMP");
  EXPECT_TRUE(LoadPicture(bmp, limits).isNull());

  limits.maxDecodedBytes = 256LL * 1024 * 1024;
  limits.maxPixels = 1000 * 1000;
  EXPECT_TRUE(LoadPicture(jpeg, limits).isNull());
}

TEST(PictureLoader, CoverDecodeSizeKeepsAspectAndNeverVanishes) {
  EXPECT_EQ(CoverDecodeSize({3000, 2000}, 1024), QSize(1024, 682));
  EXPECT_EQ(CoverDecodeSize({1024, 1024}, 1024), QSize(1024, 1024));
  EXPECT_EQ(CoverDecodeSize({60000, 3}, 1024), QSize(1024, 1));
  EXPECT_EQ(CoverDecodeSize({3000, 2000}, 0), QSize(3000, 2000));
}
