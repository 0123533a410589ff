#include "playlist/FolderScan.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <algorithm>
#include <deque>
#include <set>
#include <utility>

#include "playlist/FriendlyName.h"
#include "playlist/NaturalOrder.h"
#include "util/Paths.h"

namespace kd {

namespace {

struct Folder {
  QString path;       // with trailing "/"
  QByteArray native;  // the same path as the file system spells it
};

struct Name {
  QString text;
  QByteArray native;
};

struct Listing {
  std::vector<Name> folders;
  std::vector<QString> files;  // qualifying files only
};

enum class EntryKind { Other, File, Folder };

// Regular files and folders, links followed; a broken link, a pipe or a
// device is neither.
EntryKind KindOf(int dirFd, const dirent* entry) {
  switch (entry->d_type) {
    case DT_REG:
      return EntryKind::File;
    case DT_DIR:
      return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN: {
      struct stat st {};
      if (fstatat(dirFd, entry->d_name, &st, 0) != 0) return EntryKind::Other;
      if (S_ISREG(st.st_mode)) return EntryKind::File;
      if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
      return EntryKind::Other;
    }
    default:
      return EntryKind::Other;
  }
}

class TreeWalk {
 public:
  explicit TreeWalk(const ScanOptions& options) : m_options(options) {}

  // Lists a folder once; false when it cannot be read or was read already.
  bool list(const Folder& folder, Listing& out) {
    DIR* dir = opendir(folder.native.constData());
    if (!dir) return false;
    const int fd = dirfd(dir);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !m_seen.emplace(st.st_dev, st.st_ino).second) {
      closedir(dir);
      return false;
    }
    while (const dirent* entry = readdir(dir)) {
      if (entry->d_name[0] == '.') continue;  // hidden, and "." and ".."
      const EntryKind kind = KindOf(fd, entry);
      if (kind == EntryKind::Other) continue;
      const QString name = QFile::decodeName(entry->d_name);
      if (kind == EntryKind::Folder) {
        out.folders.push_back({name, QByteArray(entry->d_name)});
      } else if (ExtensionQualifies(name, m_options.extensions)) {
        out.files.push_back(name);
      }
    }
    closedir(dir);
    std::sort(out.folders.begin(), out.folders.end(),
              [](const Name& a, const Name& b) { return FileNameLess(a.text, b.text); });
    std::sort(out.files.begin(), out.files.end(),
              [](const QString& a, const QString& b) { return FileNameLess(a, b); });
    return true;
  }

  bool stopped() const { return m_options.stop && m_options.stop->load(std::memory_order_relaxed); }

 private:
  const ScanOptions& m_options;
  std::set<std::pair<dev_t, ino_t>> m_seen;
};

QStringView WithoutExtension(QStringView name) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.first(dot);
}

}  // namespace

bool ExtensionQualifies(QStringView fileName, QStringView extensions) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  const QStringView ext = dot < 0 ? fileName : fileName.sliced(dot + 1);
  return !ext.isEmpty() && extensions.contains(ext, Qt::CaseInsensitive);
}

int ScanDir(const QString& folder, const ScanOptions& options, const ScanSink& sink) {
  const QString root = WithTrailingSeparator(folder);
  if (root.isEmpty() || options.limit <= 0) return 0;

  TreeWalk walk(options);
  std::deque<Folder> queue{{root, QFile::encodeName(root)}};
  int added = 0;
  while (!queue.empty() && added < options.limit && !walk.stopped()) {
    const Folder current = std::move(queue.front());
    queue.pop_front();
    Listing listing;
    if (!walk.list(current, listing)) continue;
    for (const Name& sub : listing.folders) {
      queue.push_back(
          {current.path + sub.text + QLatin1Char('/'), current.native + sub.native + '/'});
    }
    const qsizetype n = std::min<qsizetype>(listing.files.size(), options.limit - added);
    if (n == 0) continue;
    QList<PlaylistEntry> entries;
    entries.reserve(n);
    for (qsizetype k = 0; k < n; ++k) {
      const QString& name = listing.files[k];
      entries.append(
          {FriendlyName(WithoutExtension(name), options.friendlyNames), current.path + name});
    }
    added += static_cast<int>(n);
    if (!sink(std::move(entries))) break;
  }
  return added;
}

QList<PlaylistEntry> ScanDir(const QString& folder, const ScanOptions& options) {
  QList<PlaylistEntry> all;
  ScanDir(folder, options, [&all](QList<PlaylistEntry>&& entries) {
    if (all.isEmpty()) {
      all = std::move(entries);
    } else {
      for (PlaylistEntry& e : entries) all.append(std::move(e));
    }
    return true;
  });
  return all;
}

}  // namespace kd
