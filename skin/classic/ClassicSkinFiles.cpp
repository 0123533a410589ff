#include "skin/classic/ClassicSkinFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "skin/classic/ClassicSprites.h"
#include "skin/classic/ZipArchive.h"
#include "util/RegularFile.h"

namespace kd::classic {

namespace {

// The last path component of an archive name, in lower case; archives made
// on Windows may use "\" as separator.
QString LowerBaseName(const QByteArray& name) {
  QString text = QString::fromUtf8(name);
  const qsizetype cut =
      std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
  return text.mid(cut + 1).toLower();
}

}  // namespace

bool SkinFiles::isWanted(const QString& lowerName) {
  if (lowerName == QLatin1String("region.txt") || lowerName == QLatin1String("pledit.txt")) {
    return true;
  }
  for (int f = 0; f < kFileCount; ++f) {
    const QString base = QString::fromLatin1(FileBaseName(File(f)));
    if (lowerName == base + QLatin1String(".bmp") || lowerName == base + QLatin1String(".png")) {
      return true;
    }
  }
  return false;
}

void SkinFiles::keep(const QString& lowerName, const QByteArray& bytes) {
  const qint64 replaced = m_files.value(lowerName).size();
  if (m_total - replaced + bytes.size() > m_limits.maxTotalBytes) return;
  m_total += bytes.size() - replaced;
  m_files.insert(lowerName, bytes);
}

SkinFiles SkinFiles::fromArchive(const QByteArray& zipBytes, const Limits& limits) {
  SkinFiles files;
  files.m_limits = limits;
  if (zipBytes.isEmpty() || zipBytes.size() > limits.maxArchiveBytes) return files;
  const std::optional<ZipArchive> archive = ZipArchive::open(zipBytes, limits.maxEntries);
  if (!archive) return files;
  files.m_valid = true;
  for (qsizetype i = 0; i < archive->count(); ++i) {
    const QString lower = LowerBaseName(archive->name(i));
    if (!isWanted(lower)) continue;
    if (std::optional<QByteArray> bytes = archive->read(i, limits.maxFileBytes)) {
      files.keep(lower, *bytes);
    }
  }
  return files;
}

SkinFiles SkinFiles::fromArchiveFile(const QString& path, const Limits& limits) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > limits.maxArchiveBytes) {
    SkinFiles none;
    none.m_limits = limits;
    return none;
  }
  return fromArchive(ReadAtMost(file, limits.maxArchiveBytes), limits);
}

SkinFiles SkinFiles::fromFolder(const QString& folder, const Limits& limits) {
  SkinFiles files;
  files.m_limits = limits;
  const QDir top(folder);
  if (!top.exists()) return files;
  files.m_valid = true;
  // One folder down first, so that the folder's own files win.
  QStringList folders;
  for (const QString& sub : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    folders << top.filePath(sub);
  }
  folders << top.path();
  for (const QString& path : folders) {
    const QDir dir(path);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
      const QString lower = info.fileName().toLower();
      if (!isWanted(lower) || info.size() > limits.maxFileBytes) continue;
      QFile file(info.filePath());
      if (!file.open(QIODevice::ReadOnly)) continue;
      files.keep(lower, ReadAtMost(file, limits.maxFileBytes));
    }
  }
  return files;
}

QImage SkinFiles::image(const QString& baseName) const {
  for (const char* extension : {".bmp", ".png"}) {
    const QByteArray bytes = m_files.value(baseName + QLatin1String(extension));
    if (bytes.isEmpty()) continue;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > m_limits.maxImageSide ||
        size.height() > m_limits.maxImageSide) {
      return {};
    }
    QImage picture = reader.read();
    if (picture.isNull() || picture.width() > m_limits.maxImageSide ||
        picture.height() > m_limits.maxImageSide) {
      return {};
    }
    return picture.convertToFormat(QImage::Format_RGB32);
  }
  return {};
}

}  // namespace kd::classic
