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

// A 1 x 1 GIF (Qt cannot write GIF files).
const QByteArray kTinyGif =
    QByteArray::fromHex("47494638396101000100800000ff00000000002c00000000010001000002024401003b");

// A real small BMP or JPEG whose header is patched to claim `width` x `height`.
QByteArray claiming(const char* format, qint32 width, qint32 height) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::green);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  if (qstrcmp(format, "BMP") == 0) {
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    return bytes;
  }
  const qsizetype sof = bytes.indexOf("\xFF\xC0");  // the frame header
  if (sof < 0) return {};
  qToBigEndian<quint16>(height, bytes.data() + sof + 5);
  qToBigEndian<quint16>(width, bytes.data() + sof + 7);
  return bytes;
}

TEST(PictureLoader, LoadsGifAndJpegByContent) {  // bitmaps: below and in the cover tests
  TempDir dir;
  EXPECT_EQ(LoadPicture(dir.write("b.GIF", kTinyGif)).size(), QSize(1, 1));
  const QImage jpg = LoadPicture(writePicture(dir.path() + "c.jpg", Qt::blue, {64, 48}, "JPG"));
  EXPECT_EQ(jpg.size(), QSize(64, 48));
  EXPECT_TRUE(nearColour(centreColour(jpg), Qt::blue));
  // A JPEG saved under a bitmap's name is still read.
  const QString misnamed = writePicture(dir.path() + "d.bmp", Qt::yellow, {20, 20}, "JPG");
  EXPECT_EQ(LoadPicture(misnamed).size(), QSize(20, 20));
}

TEST(PictureLoader, DamagedNonImagesAndHugeHeadersGiveNull) {
  TempDir dir;
  const QByteArray hugeJpeg = claiming("JPG", 20000, 20000);
  ASSERT_FALSE(hugeJpeg.isEmpty());
  const QString paths[] = {
      dir.write("garbage.jpg", QByteArray(4096, '\x5a')),
      dir.write("empty.bmp", QByteArray()),
      dir.write("text.gif", "#EXTM3U\r\nsong.mp3\r\n"),
      dir.write("cut.bmp", claiming("BMP", 40, 40).left(30)),
      dir.write("cut.gif", kTinyGif.left(12)),
      dir.path() + "missing.jpg",
      dir.mkdir("folder.jpg"),
      QString(),
      dir.path() + QString(QChar(0)) + "x.jpg",
      // Refused from the header alone, bottom-up and top-down bitmaps alike.
      dir.write("huge.bmp", claiming("BMP", 20000, 20000)),
      dir.write("huge2.bmp", claiming("BMP", 20000, -20000)),
      dir.write("huge.jpg", hugeJpeg),
  };
  for (const QString& path : paths) EXPECT_TRUE(LoadPicture(path).isNull()) << qPrintable(path);
}

TEST(PictureLoader, LargePicturesAreDecodedAtCoverSize) {
  TempDir dir;
  const QString jpeg = writePicture(dir.path() + "big.jpg", Qt::darkCyan, {3000, 2000}, "JPG");
  const QImage fromJpeg = LoadPicture(jpeg);
  EXPECT_EQ(fromJpeg.size(), QSize(1024, 682));
  EXPECT_TRUE(nearColour(centreColour(fromJpeg), Qt::darkCyan));

  const QString bmp = writePicture(dir.path() + "tall.bmp", Qt::magenta, {500, 2000});
  EXPECT_EQ(LoadPicture(bmp).size(), QSize(256, 1024));
  PictureLimits unscaled;
  unscaled.maxSide = 0;
  EXPECT_EQ(LoadPicture(bmp, unscaled).size(), QSize(500, 2000));

  // The decoded size keeps the aspect and never vanishes.
  EXPECT_EQ(CoverDecodeSize({1024, 1024}, 1024), QSize(1024, 1024));
  EXPECT_EQ(CoverDecodeSize({60000, 3}, 1024), QSize(1024, 1));
}

TEST(PictureLoader, DecodedSizeLimitCountsWhatTheDecoderAllocates) {
  TempDir dir;
  PictureLimits limits;
  limits.maxSide = 256;
  limits.maxDecodedBytes = 2 * 1024 * 1024;  // less than a full 1200 x 1000 decode
  // JPEG decodes scaled, so only the small image is allocated.
  const QString jpeg = writePicture(dir.path() + "p.jpg", Qt::gray, {1200, 1000}, "JPG");
  EXPECT_EQ(LoadPicture(jpeg, limits).size(), QSize(256, 213));
  // A bitmap is decoded whole before scaling, so it passes the limit.
  const QString bmp = writePicture(dir.path() + "p.bmp", Qt::gray, {1200, 1000});
  EXPECT_TRUE(LoadPicture(bmp, limits).isNull());

  limits.maxDecodedBytes = 256LL * 1024 * 1024;
  limits.maxPixels = 1000 * 1000;
  EXPECT_TRUE(LoadPicture(jpeg, limits).isNull());
}

}  // namespace
