#pragma once
// A reader of zip archives held in memory, enough for classic skin archives:
// entries stored (method 0) or deflated (method 8). An entry that is
// encrypted, compressed otherwise, in zip64 form, out of the archive's
// bounds, larger than it declares or failing its CRC-32 reads as nothing;
// the other entries stay readable. Nothing is written anywhere, so entry
// names never touch the file system.

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace kd::classic {

class ZipArchive {
 public:
  // The central directory of `bytes`; nullopt when `bytes` is no zip
  // archive (or one spread over several disks, or in zip64 form), or when
  // it lists more than `maxEntries` entries.
  static std::optional<ZipArchive> open(const QByteArray& bytes, int maxEntries);

  qsizetype count() const { return m_entries.size(); }
  // The raw name of entry `index`, up to its first NUL byte.
  QByteArray name(qsizetype index) const { return m_entries[index].name; }
  // The unpacked bytes of entry `index`; nullopt when it cannot be read (see
  // above) or declares more than `limit` bytes.
  std::optional<QByteArray> read(qsizetype index, qint64 limit) const;

 private:
  struct Entry {
    QByteArray name;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint32_t crc = 0;
    uint32_t packedSize = 0;
    uint32_t size = 0;
    uint32_t localOffset = 0;
  };

  std::optional<QByteArray> unpack(const Entry& entry, const char* data) const;

  QByteArray m_bytes;
  QList<Entry> m_entries;
};

}  // namespace kd::classic
