#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kd::test {

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/kdtest-XXXXXX")) {}

QString TempDir::path() const {
  return m_dir.path() + QLatin1Char('/');
}

QString TempDir::write(const QString& relative, const QByteArray& bytes) const {
  const QString full = path() + relative;
  QDir().mkpath(QFileInfo(full).absolutePath());
  QFile file(full);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return full;
}

QString TempDir::mkdir(const QString& relative) const {
  const QString full = path() + relative;
  QDir().mkpath(full);
  return full.endsWith(QLatin1Char('/')) ? full : full + QLatin1Char('/');
}

QByteArray TempDir::read(const QString& fullPath) {
  QFile file(fullPath);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace kd::test
