#include "skin/classic/ClassicSkinFiles.h"

#include <zip.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <memory>

#include "skin/classic/ClassicSprites.h"
#include "util/RegularFile.h"

namespace kd::classic {

namespace {

// The last path component of an archive name, in lower case; archives made
// on Windows may use "\" as separator.
QString LowerBaseName(const char* name) {
  QString text = QString::fromUtf8(name);
  const qsizetype cut =
      std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
  return text.mid(cut + 1).toLower();
}

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

// Up to `limit` + 1 bytes of entry `index`; more than `limit` (an entry that
// inflates beyond what it claims) or a read error gives nothing.
std::optional<QByteArray> ReadEntry(zip_t* archive, zip_uint64_t index, qint64 limit) {
  zip_stat_t facts;
  zip_stat_init(&facts);
  if (zip_stat_index(archive, index, 0, &facts) != 0) return std::nullopt;
  if ((facts.valid & ZIP_STAT_SIZE) != 0 && facts.size > zip_uint64_t(limit)) return std::nullopt;
  std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
  if (!entry) return std::nullopt;
  QByteArray bytes;
  char buffer[16384];
  while (true) {
    const zip_int64_t got = zip_fread(entry.get(), buffer, sizeof buffer);
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    if (bytes.size() + got > limit) return std::nullopt;
    bytes.append(buffer, qsizetype(got));
  }
  return bytes;
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
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(zipBytes.constData(), zip_uint64_t(zipBytes.size()), 0, &error);
  if (source == nullptr) {
    zip_error_fini(&error);
    return files;
  }
  std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    return files;
  }
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0 || count > limits.maxEntries) return files;
  files.m_valid = true;
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
    if (name == nullptr) continue;
    const QString lower = LowerBaseName(name);
    if (!isWanted(lower)) continue;
    if (std::optional<QByteArray> bytes =
            ReadEntry(archive.get(), zip_uint64_t(i), limits.maxFileBytes)) {
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
