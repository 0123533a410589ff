// Arbitrary bytes as a classic skin archive (the zip reader, the bitmaps in
// it, the sprite cutting) and as region.txt and pledit.txt text: no crash, no
// hang, no unbounded allocation. Seeds: fuzz/classic/make_corpus.py.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "skin/classic/ClassicSkinBuilder.h"
#include "skin/classic/ClassicSkinFiles.h"
#include "skin/classic/ClassicTextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

  kd::classic::Limits limits;
  limits.maxFileBytes = 1 << 20;
  limits.maxTotalBytes = 4 << 20;
  limits.maxImageSide = 1024;
  const kd::classic::SkinFiles files = kd::classic::SkinFiles::fromArchive(bytes, limits);
  if (files.isValid()) {
    (void)kd::classic::BuildSkin(files, QStringLiteral("/fuzz/skin.wsz"),
                                 QStringLiteral("skin.wsz"), int64_t{1} << 20);
  }

  for (const char* section : {"Normal", "WindowShade"}) {
    const kd::classic::RegionPolygons polygons =
        kd::classic::ReadRegionSection(bytes, QString::fromLatin1(section));
    (void)kd::classic::RegionOfPolygons(polygons, QRect(0, 0, 275, 116), int64_t{1} << 20);
  }
  (void)kd::classic::ReadPlaylistColours(bytes);
  return 0;
}
