#pragma once
// Pictures shared by the cover tests.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <cstdlib>

namespace kd::test {

// A picture filled with one colour, saved in `format` ("BMP", "JPG").
inline QString writePicture(const QString& fullPath, QColor colour = Qt::red, QSize size = {32, 32},
                            const char* format = "BMP") {
  QDir().mkpath(QFileInfo(fullPath).absolutePath());
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  image.save(fullPath, format);
  return fullPath;
}

// The colour at the centre of `image` (an invalid colour for a null image).
inline QColor centreColour(const QImage& image) {
  return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

// Whether two colours are close (JPEG changes colours a little).
inline bool nearColour(QColor a, QColor b) {
  return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) < 24 &&
         std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

}  // namespace kd::test
