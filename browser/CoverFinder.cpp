#include "browser/CoverFinder.h"

#include <QDir>

#include "util/Paths.h"

namespace kd {

const CoverFinder::Folder& CoverFinder::folder(const QString& path) {
  // Called with m_mutex held.
  auto found = m_folders.constFind(path);
  if (found != m_folders.constEnd()) return *found;
  Folder listing;
  const QDir dir(path.isEmpty() ? QStringLiteral(".") : path);
  // Files (links to files included); pipes, devices and broken links are no pictures.
  const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
  for (const QString& name : names) {
    listing.exact.insert(name);
    listing.byLowerName.insert(name.toLower(), name);
  }
  return *m_folders.insert(path, std::move(listing));
}

QString CoverFinder::find(const QString& base) {
  const QString trimmed = base.trimmed();
  if (trimmed.isEmpty()) return {};
  const QString dirPart = GetDirPart(trimmed);
  const QString name = GetFileName(trimmed);
  if (name.isEmpty()) return {};

  const std::lock_guard lock(m_mutex);
  const Folder& listing = folder(dirPart);
  for (const char* ext : {".JPG", ".GIF", ".BMP"}) {
    const QString wanted = name + QLatin1String(ext);
    if (listing.exact.contains(wanted)) return dirPart + wanted;
    const auto spelt = listing.byLowerName.constFind(wanted.toLower());
    if (spelt != listing.byLowerName.constEnd()) return dirPart + *spelt;
  }
  return {};
}

QString CoverFinder::coverOf(const QString& entry) {
  return find(StripExtension(entry));
}

}  // namespace kd
