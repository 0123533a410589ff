#pragma once
// Finds the cover of a browser entry: the picture beside it with the same
// name and ".jpg", else ".gif", else ".bmp", names compared without regard to
// case. Each folder is listed once and remembered, so a page of sixteen
// entries in a folder of thousands costs one listing, not forty-eight. Safe
// to use from several threads.

#include <QHash>
#include <QSet>
#include <QString>
#include <mutex>

namespace kd {

class CoverFinder {
 public:
  // The picture for `base` (a path without extension, blanks around it
  // ignored), as it is spelt on disk; "" when there is none.
  QString find(const QString& base);
  // The cover of an entry: the picture named like the entry without its
  // extension.
  QString coverOf(const QString& entry);

 private:
  struct Folder {
    // Regular files only, by name as spelt and by lower-cased name.
    QHash<QString, QString> byLowerName;
    QSet<QString> exact;
  };
  const Folder& folder(const QString& path);

  std::mutex m_mutex;
  QHash<QString, Folder> m_folders;
};

}  // namespace kd
