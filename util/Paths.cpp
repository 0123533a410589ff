#include "util/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace kd {

QString WithTrailingSeparator(const QString& text) {
  if (text.isEmpty() || text.endsWith(QLatin1Char('/'))) return text;
  return text + QLatin1Char('/');
}

qsizetype LastSlash(QStringView path) {
  // A plain loop: the library's general search is slow for one character.
  const QChar* p = path.data();
  for (qsizetype i = path.size() - 1; i >= 0; --i) {
    if (p[i] == QLatin1Char('/')) return i;
  }
  return -1;
}

QString GetFileName(const QString& path) {
  const qsizetype slash = LastSlash(path);
  return slash < 0 ? path : path.mid(slash + 1);
}

QString GetExtension(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? path : path.mid(dot + 1);
}

QString StripExtension(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? path : path.left(dot);
}

QString GetDirPart(const QString& path) {
  const qsizetype slash = LastSlash(path);
  return slash < 0 ? QString() : path.left(slash + 1);
}

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QFileInfo info(path);
  return info.exists() && info.isFile();
}

bool IsPicture(const QString& path) {
  if (path.size() < 4) return false;
  const QString tail = path.right(4).toUpper();
  return tail == QLatin1String(".GIF") || tail == QLatin1String(".BMP") ||
         tail == QLatin1String(".JPG");
}

bool IsStreamUrl(const QString& text) {
  return text.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
         text.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
}

QString FindFileIgnoringCase(const QString& path) {
  if (path.isEmpty()) return {};
  if (FileExists(path)) return path;
  const QString dirPart = GetDirPart(path);
  const QString name = GetFileName(path);
  if (name.isEmpty()) return {};
  const QDir dir(dirPart.isEmpty() ? QStringLiteral(".") : dirPart);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dirPart + entry;
  }
  return {};
}

QString FindPicture(const QString& base) {
  const QString trimmed = base.trimmed();
  if (trimmed.isEmpty()) return {};
  QString found;
  for (const char* ext : {".BMP", ".GIF", ".JPG"}) {
    const QString hit = FindFileIgnoringCase(trimmed + QLatin1String(ext));
    if (!hit.isEmpty()) found = hit;
  }
  return found;
}

}  // namespace kd
