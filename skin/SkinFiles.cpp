#include "skin/SkinFiles.h"

#include <QImageReader>

#include "util/Paths.h"

namespace kd {

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
  QImage picture = m_env.loadImage ? m_env.loadImage(path) : QImageReader(path).read();
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
