// Classic skin archives as zip files: what each kind of entry yields, and
// which odd entries count as missing while the rest of the archive is read.

#include <gtest/gtest.h>

#include "ClassicTestSupport.h"
#include "skin/classic/ClassicSkinFiles.h"

namespace kd::test {
namespace {

using classic::Limits;
using classic::SkinFiles;

const QByteArray kPledit = "[Text]\nNormal=#00FF00\n";
const QByteArray kRegion = "[Normal]\nNumPoints=3\nPointList=0,0,1,0,1,1\n";

TEST(ClassicZip, StoredAndDeflatedEntriesInFoldersReadBack) {
  const QByteArray bitmap(5000, 'b');
  const SkinFiles files = SkinFiles::fromArchive(CraftedZip({
      {"pledit.txt", kPledit, 0},
      {"Skin/Deeper/REGION.TXT", kRegion, 8},
      {"skin/", {}, 0},
      {"skin/main.bmp", bitmap, 8},
      {"skin/empty.bmp", {}, 8},
  }));
  ASSERT_TRUE(files.isValid());
  EXPECT_EQ(files.file(QStringLiteral("pledit.txt")), kPledit);
  EXPECT_EQ(files.file(QStringLiteral("region.txt")), kRegion);
  EXPECT_EQ(files.file(QStringLiteral("main.bmp")), bitmap);
  EXPECT_FALSE(files.contains(QStringLiteral("empty.bmp")));  // not a classic skin file
}

TEST(ClassicZip, NamesFollowTheLastPathComponent) {
  ZipEntry notUtf8{"\xC3\xFF/Main.BMP", "m", 0};
  notUtf8.flags = 0;
  const SkinFiles files = SkinFiles::fromArchive(CraftedZip({
      {"../../../pledit.txt", kPledit},
      {"C:\\skins\\Region.txt", kRegion},
      notUtf8,
      {QByteArray("text.bmp\0.exe", 13), "t"},
      {"titlebar.bmp.txt", "x"},
  }));
  EXPECT_EQ(files.file(QStringLiteral("pledit.txt")), kPledit);
  EXPECT_EQ(files.file(QStringLiteral("region.txt")), kRegion);
  EXPECT_EQ(files.file(QStringLiteral("main.bmp")), "m");
  EXPECT_EQ(files.file(QStringLiteral("text.bmp")), "t");  // a name ends at a NUL byte
  EXPECT_FALSE(files.contains(QStringLiteral("titlebar.bmp")));
}

TEST(ClassicZip, UnreadableEntriesAreMissingAndTheOthersStay) {
  ZipEntry bomb{"main.bmp", QByteArray(8 << 20, '\0')};
  bomb.declaredSize = 100;  // claims little, inflates to 8 MiB
  ZipEntry shortStream{"text.bmp", "short"};
  shortStream.declaredSize = 50;
  ZipEntry badCrc{"numbers.bmp", "digits"};
  badCrc.crc = 0x12345678;
  ZipEntry encrypted{"cbuttons.bmp", "secret"};
  encrypted.flags |= 0x0001;
  ZipEntry bzip2{"posbar.bmp", "bzip2", 12};
  ZipEntry zip64{"volume.bmp", "zip64", 0};
  zip64.declaredSize = 0xFFFFFFFF;
  ZipEntry storedLie{"balance.bmp", "stored", 0};
  storedLie.declaredSize = 3;

  const SkinFiles files = SkinFiles::fromArchive(CraftedZip(
      {bomb, shortStream, badCrc, encrypted, bzip2, zip64, storedLie, {"pledit.txt", kPledit}}));
  ASSERT_TRUE(files.isValid());
  for (const char* name : {"main.bmp", "text.bmp", "numbers.bmp", "cbuttons.bmp", "posbar.bmp",
                           "volume.bmp", "balance.bmp"}) {
    EXPECT_FALSE(files.contains(QString::fromLatin1(name))) << name;
  }
  EXPECT_EQ(files.file(QStringLiteral("pledit.txt")), kPledit);
}

TEST(ClassicZip, AnEntryMayFillTheFileLimitButNotExceedIt) {
  Limits limits;
  limits.maxFileBytes = 1000;
  const SkinFiles files = SkinFiles::fromArchive(
      CraftedZip({{"main.bmp", QByteArray(1000, 'a')}, {"text.bmp", QByteArray(1001, 'a')}}),
      limits);
  EXPECT_EQ(files.file(QStringLiteral("main.bmp")).size(), 1000);
  EXPECT_FALSE(files.contains(QStringLiteral("text.bmp")));
}

TEST(ClassicZip, CutOrDamagedArchivesAreNoArchives) {
  const QByteArray whole = CraftedZip({{"pledit.txt", kPledit}, {"region.txt", kRegion, 0}});
  ASSERT_TRUE(SkinFiles::fromArchive(whole).isValid());
  for (qsizetype size = 0; size < whole.size(); ++size) {
    EXPECT_FALSE(SkinFiles::fromArchive(whole.left(size)).isValid()) << size;
  }
  // The directory said to start past its own end record.
  QByteArray pastEnd = whole;
  pastEnd[pastEnd.size() - 5] = char(0x7F);
  EXPECT_FALSE(SkinFiles::fromArchive(pastEnd).isValid());
  // An archive without entries is an archive, of no files.
  const SkinFiles empty = SkinFiles::fromArchive(CraftedZip({}));
  EXPECT_TRUE(empty.isValid());
  EXPECT_FALSE(empty.contains(QStringLiteral("pledit.txt")));
}

}  // namespace
}  // namespace kd::test
