#include "SkinTestSupport.h"

#include <QFile>

#include "skin/SkinLoader.h"

namespace kd::test {

QByteArray SkinData(const QString& name) {
  QFile file(QStringLiteral(KD_SKIN_TEST_DATA "/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QRgb PatternPixel(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) | ((y >> 8) & 0x0F) << 4);
}

QImage PatternImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, PatternPixel(x, y));
  }
  return image;
}

QImage FilledImage(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

void SkinFolder::writeBmp(const QString& relative, const QImage& image) const {
  image.save(m_dir.write(relative, QByteArray()), "BMP");
}

SkinLoadEnvironment SkinFolder::environment() {
  SkinLoadEnvironment env;
  env.screenWidth = 1024;
  env.skinPath = path();
  env.programFolders = {programFolder()};
  env.askImportFile = [this](const QString& filter, const QString& defaultName,
                             const QString& folder) {
    dialogCalls << filter + QLatin1Char('|') + defaultName + QLatin1Char('|') + folder;
    return dialogAnswer;
  };
  return env;
}

SkinDocument SkinFolder::load(const QByteArray& text, const QString& name) {
  write(name, text);
  return SkinLoader(environment()).loadSkin(name);
}

SkinDocument SkinFolder::load(const QByteArray& text, const SkinLoadEnvironment& env) {
  write(QStringLiteral("test.skin"), text);
  return SkinLoader(env).loadSkin(QStringLiteral("test.skin"));
}

QByteArray SkinWith(const QByteArray& records, const QByteArray& mainName,
                    const QByteArray& resourceName) {
  return "Kavoro Skin, a test skin\r\n200,100,200,60,100,20\r\n" + mainName + "," + resourceName +
         "\r\n1,0,10,20,30,0,0,0\r\n" + records;
}

}  // namespace kd::test
