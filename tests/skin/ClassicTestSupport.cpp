#include "ClassicTestSupport.h"

#include <zlib.h>

#include <QBuffer>
#include <cstring>

namespace kd::test {

namespace {

void Put16(QByteArray& out, uint32_t value) {
  out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}
void Put32(QByteArray& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

QByteArray RawDeflate(const QByteArray& bytes) {
  z_stream stream{};
  deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
  stream.avail_in = uInt(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = uInt(out.size());
  deflate(&stream, Z_FINISH);
  out.truncate(qsizetype(stream.total_out));
  deflateEnd(&stream);
  return out;
}

// The fields a local header and a central directory record share.
void PutCommonFields(QByteArray& out, const ZipEntry& entry, uint32_t crc, uint32_t packedSize) {
  Put16(out, 20);  // version needed
  Put16(out, entry.flags);
  Put16(out, entry.method);
  Put32(out, 0);  // time and date
  Put32(out, crc);
  Put32(out, packedSize);
  Put32(out, entry.declaredSize.value_or(uint32_t(entry.bytes.size())));
  Put16(out, uint32_t(entry.name.size()));
  Put16(out, 0);  // extra field
}

}  // namespace

QByteArray CraftedZip(const QList<ZipEntry>& entries) {
  QByteArray archive;
  QByteArray directory;
  for (const ZipEntry& entry : entries) {
    const QByteArray packed = entry.method == 8 ? RawDeflate(entry.bytes) : entry.bytes;
    const uint32_t crc = entry.crc.value_or(crc32(
        0, reinterpret_cast<const Bytef*>(entry.bytes.constData()), uInt(entry.bytes.size())));
    const uint32_t offset = uint32_t(archive.size());
    Put32(archive, 0x04034b50);
    PutCommonFields(archive, entry, crc, uint32_t(packed.size()));
    archive += entry.name + packed;
    Put32(directory, 0x02014b50);
    Put16(directory, 20);  // made by
    PutCommonFields(directory, entry, crc, uint32_t(packed.size()));
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, 0);  // external attributes
    Put32(directory, offset);
    directory += entry.name;
  }
  const uint32_t directoryOffset = uint32_t(archive.size());
  archive += directory;
  Put32(archive, 0x06054b50);
  Put32(archive, 0);  // disks
  Put16(archive, uint32_t(entries.size()));
  Put16(archive, uint32_t(entries.size()));
  Put32(archive, uint32_t(directory.size()));
  Put32(archive, directoryOffset);
  Put16(archive, 0);  // comment
  return archive;
}

QByteArray ZipBytes(const ZipEntries& entries) {
  QList<ZipEntry> crafted;
  for (const auto& [name, bytes] : entries) crafted.append({name.toUtf8(), bytes});
  return CraftedZip(crafted);
}

QByteArray BmpBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "BMP");
  return bytes;
}

namespace {

struct FileFacts {
  const char* name;
  QSize size;
  QList<QRect> rects;
};

QList<QRect> Frames(int x, int w) {
  QList<QRect> rects;
  for (int i = 0; i < 28; ++i) rects << QRect(x, 15 * i, w, 13);
  rects << QRect(15, 422, 14, 11) << QRect(0, 422, 14, 11);
  return rects;
}

QList<QRect> Digits(bool minus) {
  QList<QRect> rects;
  for (int n = 0; n <= (minus ? 11 : 10); ++n) rects << QRect(9 * n, 0, 9, 13);
  return rects;
}

QList<QRect> TextCells() {
  QList<QRect> rects;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 31; ++column) rects << QRect(5 * column, 6 * row, 5, 6);
  }
  return rects;
}

// The sprite rectangles of the classic format, file by file.
QList<FileFacts> Facts() {
  return {
      {"main", {275, 116}, {}},
      {"titlebar",
       {344, 87},
       {{27, 0, 275, 14}, {9, 9, 9, 9}, {9, 18, 9, 9}, {18, 9, 9, 9}, {304, 0, 8, 43}}},
      {"cbuttons",
       {136, 36},
       {{0, 0, 23, 18},
        {23, 0, 23, 18},
        {46, 0, 23, 18},
        {69, 0, 23, 18},
        {92, 0, 22, 18},
        {114, 0, 22, 16},
        {0, 18, 23, 18},
        {23, 18, 23, 18},
        {46, 18, 23, 18},
        {69, 18, 23, 18},
        {92, 18, 22, 18},
        {114, 16, 22, 16}}},
      {"posbar", {307, 10}, {{0, 0, 248, 10}, {248, 0, 29, 10}, {278, 0, 29, 10}}},
      {"volume", {68, 433}, Frames(0, 68)},
      {"balance", {47, 433}, Frames(9, 38)},
      {"monoster", {56, 24}, {{0, 0, 29, 12}, {0, 12, 29, 12}, {29, 0, 27, 12}, {29, 12, 27, 12}}},
      {"playpaus",
       {42, 9},
       {{1, 0, 8, 9}, {9, 0, 9, 9}, {18, 0, 9, 9}, {27, 0, 2, 9}, {36, 0, 3, 9}, {39, 0, 3, 9}}},
      {"numbers", {99, 13}, Digits(false)},
      {"nums_ex", {108, 13}, Digits(true)},
      {"shufrep",
       {92, 85},
       {{0, 0, 28, 15},
        {0, 15, 28, 15},
        {0, 30, 28, 15},
        {0, 45, 28, 15},
        {28, 0, 47, 15},
        {28, 15, 47, 15},
        {28, 30, 47, 15},
        {28, 45, 47, 15},
        {0, 61, 23, 12},
        {46, 61, 23, 12},
        {0, 73, 23, 12},
        {46, 73, 23, 12},
        {23, 61, 23, 12},
        {69, 61, 23, 12},
        {23, 73, 23, 12},
        {69, 73, 23, 12}}},
      {"text", {155, 18}, TextCells()},
  };
}

}  // namespace

GeneratedClassicSkin::GeneratedClassicSkin() {
  int next = 1;
  int fileNumber = 0;
  for (const FileFacts& facts : Facts()) {
    const QString name = QString::fromLatin1(facts.name);
    QImage picture(facts.size, QImage::Format_RGB32);
    // Backgrounds and sprites never share a colour: sprites have blue 77.
    picture.fill(qRgb(250, 10 * ++fileNumber, 200));
    for (const QRect& rect : facts.rects) {
      const QRgb colour = qRgb(next % 256, 40 + (next / 256) * 40, 77);
      ++next;
      m_rects[name] << qMakePair(rect, colour);
      for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) picture.setPixel(x, y, colour);
      }
    }
    m_images.insert(name, picture);
  }
}

QRgb GeneratedClassicSkin::colour(const QString& file, const QRect& rect) const {
  for (const auto& [painted, colour] : m_rects.value(file)) {
    if (painted == rect) return colour;
  }
  return m_images.value(file).pixel(0, 0);
}

ZipEntries GeneratedClassicSkin::entries(const QString& prefix, const QStringList& skip) const {
  ZipEntries entries;
  for (auto it = m_images.cbegin(); it != m_images.cend(); ++it) {
    if (skip.contains(it.key())) continue;
    entries << qMakePair(prefix + it.key() + QStringLiteral(".bmp"), BmpBytes(it.value()));
  }
  return entries;
}

}  // namespace kd::test
