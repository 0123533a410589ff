#pragma once
// Classic skins made by the tests: every sprite rectangle of the classic
// format painted a flat colour of its own, so a placement can be checked by
// one pixel, and zip archives written in memory.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPair>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

namespace kd::test {

using ZipEntries = QList<QPair<QString, QByteArray>>;

// A zip archive of `entries` (name, bytes), compressed.
QByteArray ZipBytes(const ZipEntries& entries);

// One entry of a hand-made zip archive, with the ways to make it lie.
struct ZipEntry {
  ZipEntry(QByteArray entryName, QByteArray entryBytes, uint16_t entryMethod = 8)
      : name(std::move(entryName)), bytes(std::move(entryBytes)), method(entryMethod) {}

  QByteArray name;
  QByteArray bytes;
  uint16_t method = 8;                   // 0 stored, 8 deflated, others stored under that id
  uint16_t flags = 0x0800;               // names in UTF-8
  std::optional<uint32_t> declaredSize;  // in place of the true unpacked size
  std::optional<uint32_t> crc;           // in place of the true CRC-32
};
QByteArray CraftedZip(const QList<ZipEntry>& entries);
QByteArray BmpBytes(const QImage& picture);

class GeneratedClassicSkin {
 public:
  GeneratedClassicSkin();

  // The colour of rectangle `rect` of `file` ("cbuttons"); the file's
  // background colour for a rectangle that was not painted.
  QRgb colour(const QString& file, const QRect& rect) const;
  QRgb mainColour() const { return m_images.value(QStringLiteral("main")).pixel(0, 0); }
  // The files as archive entries, "<prefix><name>.bmp"; `skip` lists base names left out.
  ZipEntries entries(const QString& prefix = {}, const QStringList& skip = {}) const;
  QByteArray archive(const QStringList& skip = {}) const { return ZipBytes(entries({}, skip)); }

 private:
  QMap<QString, QImage> m_images;
  QMap<QString, QList<QPair<QRect, QRgb>>> m_rects;
};

}  // namespace kd::test
