#include "CoverFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace kd::test {

QString writePicture(const QString& fullPath, QSize size, QColor colour, const char* format) {
  QDir().mkpath(QFileInfo(fullPath).absolutePath());
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  image.save(fullPath, format);
  return fullPath;
}

QByteArray tinyGif() {
  static const unsigned char bytes[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01,
                                        0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                        0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

QColor centreColour(const QImage& image) {
  if (image.isNull()) return {};
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool nearColour(QColor a, QColor b) {
  return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) < 24 &&
         std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

}  // namespace kd::test
