#include "skin/classic/ZipArchive.h"

#include <zlib.h>

#include <algorithm>

namespace kd::classic {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr qsizetype kEndSize = 22;
constexpr qsizetype kCentralSize = 46;
constexpr qsizetype kLocalSize = 30;
// The end record is followed by a comment of at most 64 KiB.
constexpr qsizetype kMaxCommentSize = 0xFFFF;
// Sizes and offsets of this value mean the real ones are in a zip64 record.
constexpr uint32_t kZip64Marker = 0xFFFFFFFF;
constexpr uint16_t kEncryptedFlag = 0x0001;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

// Little-endian fields of a buffer whose bounds the caller has checked.
uint16_t U16(const char* at) {
  const auto* b = reinterpret_cast<const unsigned char*>(at);
  return uint16_t(b[0] | (b[1] << 8));
}
uint32_t U32(const char* at) {
  return uint32_t(U16(at)) | (uint32_t(U16(at + 2)) << 16);
}

struct EndRecord {
  qsizetype count = 0;
  qint64 directoryOffset = 0;
  qint64 directorySize = 0;
};

// The end-of-central-directory record, searched backwards from the end, so
// that a signature inside the archive comment is only taken when no later
// record is plausible.
std::optional<EndRecord> FindEndRecord(const QByteArray& bytes) {
  const char* data = bytes.constData();
  const qsizetype lowest = std::max<qsizetype>(0, bytes.size() - kEndSize - kMaxCommentSize);
  for (qsizetype at = bytes.size() - kEndSize; at >= lowest; --at) {
    if (U32(data + at) != kEndSignature) continue;
    const uint16_t disk = U16(data + at + 4);
    const uint16_t directoryDisk = U16(data + at + 6);
    const uint16_t onDisk = U16(data + at + 8);
    const EndRecord record{U16(data + at + 10), U32(data + at + 16), U32(data + at + 12)};
    const bool oneDisk = disk == 0 && directoryDisk == 0 && onDisk == record.count;
    const bool zip64 =
        record.directoryOffset == kZip64Marker || record.directorySize == kZip64Marker;
    if (oneDisk && !zip64 && record.directoryOffset + record.directorySize <= at) return record;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ZipArchive> ZipArchive::open(const QByteArray& bytes, int maxEntries) {
  const std::optional<EndRecord> end = FindEndRecord(bytes);
  if (!end || end->count > maxEntries) return std::nullopt;
  ZipArchive archive;
  archive.m_bytes = bytes;
  archive.m_entries.reserve(end->count);
  const char* data = bytes.constData();
  qint64 at = end->directoryOffset;
  const qint64 directoryEnd = end->directoryOffset + end->directorySize;
  for (qsizetype i = 0; i < end->count; ++i) {
    if (at + kCentralSize > directoryEnd || U32(data + at) != kCentralSignature) {
      return std::nullopt;
    }
    const char* field = data + at;
    const qint64 nameSize = U16(field + 28);
    const qint64 recordSize = kCentralSize + nameSize + U16(field + 30) + U16(field + 32);
    if (at + recordSize > directoryEnd) return std::nullopt;
    Entry entry;
    entry.flags = U16(field + 8);
    entry.method = U16(field + 10);
    entry.crc = U32(field + 16);
    entry.packedSize = U32(field + 20);
    entry.size = U32(field + 24);
    entry.localOffset = U32(field + 42);
    const QByteArray rawName(field + kCentralSize, qsizetype(nameSize));
    entry.name = rawName.left(rawName.indexOf('\0') < 0 ? rawName.size() : rawName.indexOf('\0'));
    archive.m_entries.append(entry);
    at += recordSize;
  }
  return archive;
}

std::optional<QByteArray> ZipArchive::read(qsizetype index, qint64 limit) const {
  if (index < 0 || index >= m_entries.size()) return std::nullopt;
  const Entry& entry = m_entries[index];
  if ((entry.flags & kEncryptedFlag) != 0 || entry.size > limit) return std::nullopt;
  if (entry.method != kStored && entry.method != kDeflated) return std::nullopt;
  if (entry.packedSize == kZip64Marker || entry.size == kZip64Marker ||
      entry.localOffset == kZip64Marker) {
    return std::nullopt;
  }
  // The local header repeats the name and may carry other extra bytes; the
  // sizes are taken from the central directory, as the local ones may be
  // zero when a data descriptor follows the data.
  const qint64 local = entry.localOffset;
  if (local + kLocalSize > m_bytes.size()) return std::nullopt;
  const char* header = m_bytes.constData() + local;
  if (U32(header) != kLocalSignature) return std::nullopt;
  const qint64 dataStart = local + kLocalSize + U16(header + 26) + U16(header + 28);
  if (dataStart + qint64(entry.packedSize) > m_bytes.size()) return std::nullopt;
  std::optional<QByteArray> bytes = unpack(entry, m_bytes.constData() + dataStart);
  if (!bytes) return std::nullopt;
  const uLong crc =
      crc32(0, reinterpret_cast<const Bytef*>(bytes->constData()), uInt(bytes->size()));
  if (crc != entry.crc) return std::nullopt;
  return bytes;
}

// The entry's data at `data`, unpacked to exactly its declared size: never
// more room than that is set aside, so a stream that inflates further (a
// zip bomb under a small declared size) is cut off and refused.
std::optional<QByteArray> ZipArchive::unpack(const Entry& entry, const char* data) const {
  if (entry.method == kStored) {
    if (entry.packedSize != entry.size) return std::nullopt;
    return QByteArray(data, qsizetype(entry.size));
  }
  // One byte beyond the declared size tells a longer stream from an exact one.
  QByteArray out(qsizetype(entry.size) + 1, Qt::Uninitialized);
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
  stream.avail_in = uInt(entry.packedSize);
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = uInt(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const uLong produced = stream.total_out;
  inflateEnd(&stream);
  if (result != Z_STREAM_END || produced != entry.size) return std::nullopt;
  out.truncate(qsizetype(entry.size));
  return out;
}

}  // namespace kd::classic
