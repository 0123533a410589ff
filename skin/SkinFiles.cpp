#include "skin/SkinFiles.h"

#include <QFile>
#include <QImageReader>

#include "util/Paths.h"

namespace kd {

namespace {

// The formats Qt decodes itself, known by their first bytes. Naming the
// format spares the reader from loading every image plugin installed to ask
// each whether it knows the file.
QByteArray BuiltInFormatOf(QIODevice& file) {
  const QByteArray head = file.peek(8);
  if (head.startsWith("BM")) return QByteArrayLiteral("bmp");
  if (head.startsWith("\x89PNG\r\n\x1a\n")) return QByteArrayLiteral("png");
  return {};
}

QImage ReadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&file);
  const QByteArray format = BuiltInFormatOf(file);
  if (!format.isEmpty()) {
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
  }
  return reader.read();
}

}  // namespace

QString LookUpSkinFile(const SkinLoadEnvironment& env, const QString& path) {
  if (!path.startsWith(QLatin1Char('/'))) return {};
  return env.findFile ? env.findFile(path) : FindFileIgnoringCase(path);
}

SkinFiles::SkinFiles(const SkinLoadEnvironment& env, PixelBudget& budget)
    : m_env(env), m_budget(budget) {}

QString SkinFiles::find(const QString& path) {
  const auto known = m_found.constFind(path);
  if (known != m_found.constEnd()) return *known;
  const QString hit = LookUpSkinFile(m_env, path);
  m_found.insert(path, hit);
  return hit;
}

QImage SkinFiles::load(const QString& path) {
  const auto known = m_pictures.constFind(path);
  if (known != m_pictures.constEnd()) return *known;
  QImage picture = m_env.loadImage ? m_env.loadImage(path) : ReadPicture(path);
  if (!picture.isNull() && !m_budget.spend(int64_t(picture.width()) * picture.height())) {
    picture = QImage();
  }
  if (!picture.isNull() && picture.format() != QImage::Format_RGB32) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
  }
  m_pictures.insert(path, picture);
  return picture;
}

}  // namespace kd
