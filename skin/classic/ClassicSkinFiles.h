#pragma once
// The files of one classic skin, read from a skin folder or a .wsz archive
// (a zip file) into memory: nothing is ever unpacked to disk, so no name in
// an archive ("../x", "/etc/x") can place a file anywhere. Only the files a
// classic skin reader uses are kept; names are compared without regard to
// case, on their last path component (archives often hold one folder), and
// when several entries give the same name the last one in the archive wins.
// Every size is bounded: an entry that inflates beyond its limit, or an
// image beyond its side limit, counts as missing.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <cstdint>

namespace kd::classic {

struct Limits {
  qint64 maxArchiveBytes = qint64{64} << 20;  // a larger archive is not read
  int maxEntries = 65535;                     // an archive with more is refused
  qint64 maxFileBytes = qint64{4} << 20;      // one unpacked file
  qint64 maxTotalBytes = qint64{32} << 20;    // all kept files together
  int maxImageSide = 4096;                    // a wider or taller picture is missing
};

class SkinFiles {
 public:
  // Reads the archive in `zipBytes`; not valid() when it is no zip archive
  // or has too many entries.
  static SkinFiles fromArchive(const QByteArray& zipBytes, const Limits& limits = {});
  // Reads the archive file at `path` (at most maxArchiveBytes of it).
  static SkinFiles fromArchiveFile(const QString& path, const Limits& limits = {});
  // Reads a skin folder: the files in it, and those one folder down.
  static SkinFiles fromFolder(const QString& folder, const Limits& limits = {});

  bool isValid() const { return m_valid; }
  // The bytes of `name` (lower case, such as "region.txt"); empty when missing.
  QByteArray file(const QString& name) const { return m_files.value(name); }
  bool contains(const QString& name) const { return m_files.contains(name); }
  // The picture `baseName`.bmp, else `baseName`.png, in Format_RGB32; null
  // when neither exists, decodes, or fits the side limit.
  QImage image(const QString& baseName) const;

  // Whether `lowerName` is a file a classic skin reader uses.
  static bool isWanted(const QString& lowerName);

 private:
  // Keeps `bytes` as `name` when the total stays within the limit.
  void keep(const QString& lowerName, const QByteArray& bytes);

  Limits m_limits;
  bool m_valid = false;
  qint64 m_total = 0;
  QHash<QString, QByteArray> m_files;
};

}  // namespace kd::classic
