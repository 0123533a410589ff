#include "SkinGenerator.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

#include "FacePainter.h"
#include "NoCover.h"
#include "ResourceSheet.h"
#include "SkinWriter.h"

namespace kd::skingen {

namespace {

bool SaveBytes(const QByteArray& bytes, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error)
      *error = QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool GenerateSkin(GeneratedSkin* out, QString* error) {
  out->layout = DefaultLayout();
  const FacePainter face(out->layout);
  out->main = face.face(false);
  out->resource = BuildResourceSheet(out->layout, face);
  out->noCover = RenderNoCover(kNoCoverSize);
  out->skinFile = WriteSkinFile(out->layout, {kMainBitmap, kResourceBitmap}, error);
  return !out->skinFile.isEmpty();
}

bool SaveImage(const QImage& image, const QString& path, const char* format, QString* error) {
  // Without alpha the BMP writer stores 24 bits a pixel, the form every
  // picture loader reads.
  const QImage pixels =
      qstrcmp(format, "BMP") == 0 ? image.convertToFormat(QImage::Format_RGB888) : image;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(pixels)) {
    if (error)
      *error =
          QStringLiteral("cannot encode ") + path + QStringLiteral(": ") + writer.errorString();
    return false;
  }
  return SaveBytes(bytes, path, error);
}

bool WriteSkin(const GeneratedSkin& skin, const QString& folder, QString* error) {
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("cannot create ") + folder;
    return false;
  }
  const QDir dir(folder);
  return SaveImage(skin.main, dir.filePath(kMainBitmap), "BMP", error) &&
         SaveImage(skin.resource, dir.filePath(kResourceBitmap), "BMP", error) &&
         SaveImage(skin.noCover, dir.filePath(kNoCover), "BMP", error) &&
         SaveBytes(skin.skinFile, dir.filePath(kSkinFile), error);
}

}  // namespace kd::skingen
