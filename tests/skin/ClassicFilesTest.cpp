// Reading classic skins: archives and folders, odd and hostile archives,
// region.txt and pledit.txt.

#include <gtest/gtest.h>

#include <QDir>

#include "ClassicTestSupport.h"
#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"
#include "skin/classic/ClassicSkinFiles.h"
#include "skin/classic/ClassicSkinLoader.h"
#include "skin/classic/ClassicTextFiles.h"

namespace kd::test {
namespace {

using classic::Limits;
using classic::SkinFiles;

TEST(ClassicArchive, NamesIgnoreCaseAndFoldersAndTheLastEntryWins) {
  const SkinFiles files = SkinFiles::fromArchive(ZipBytes({
      {"Skin/MAIN.BMP", BmpBytes(FilledImage(275, 116, qRgb(1, 1, 1)))},
      {"../../outside/Main.bmp", BmpBytes(FilledImage(275, 116, qRgb(2, 2, 2)))},
      {"/etc/Region.TXT", "[normal]\nnumpoints=3\npointlist=0,0,1,0,1,1\n"},
      {"skin/readme.txt", "not kept"},
      {"skin\\Text.Png", QByteArray()},
  }));
  ASSERT_TRUE(files.isValid());
  EXPECT_EQ(Colour(files.image(QStringLiteral("main")).pixel(0, 0)), "#020202");
  EXPECT_TRUE(files.contains(QStringLiteral("region.txt")));
  EXPECT_FALSE(files.contains(QStringLiteral("readme.txt")));
  EXPECT_TRUE(files.image(QStringLiteral("text")).isNull());
}

TEST(ClassicArchive, FolderSkinIsReadFromItsFolderAndOneBelow) {
  TempDir dir;
  dir.write(QStringLiteral("Blue/inner/TITLEBAR.bmp"),
            BmpBytes(FilledImage(344, 87, qRgb(3, 3, 3))));
  dir.write(QStringLiteral("Blue/Main.Bmp"), BmpBytes(FilledImage(275, 116, qRgb(4, 4, 4))));
  dir.write(QStringLiteral("Blue/inner/main.bmp"), BmpBytes(FilledImage(275, 116, qRgb(5, 5, 5))));
  const SkinFiles files = SkinFiles::fromFolder(dir.path() + QStringLiteral("Blue"));
  EXPECT_EQ(Colour(files.image(QStringLiteral("main")).pixel(0, 0)), "#040404");
  EXPECT_EQ(Colour(files.image(QStringLiteral("titlebar")).pixel(0, 0)), "#030303");
}

TEST(ClassicArchive, HostileArchivesAreBounded) {
  // An entry that inflates beyond the limit counts as missing.
  Limits small;
  small.maxFileBytes = 1 << 20;
  SkinFiles bomb = SkinFiles::fromArchive(
      ZipBytes({{"main.bmp", QByteArray(8 << 20, '\0')}, {"pledit.txt", "[Text]"}}), small);
  EXPECT_TRUE(bomb.isValid());
  EXPECT_FALSE(bomb.contains(QStringLiteral("main.bmp")));
  EXPECT_TRUE(bomb.contains(QStringLiteral("pledit.txt")));

  // Too many entries: refused.
  small.maxEntries = 50;
  ZipEntries many;
  for (int i = 0; i < 60; ++i) many << qMakePair(QStringLiteral("f%1.txt").arg(i), QByteArray("x"));
  EXPECT_FALSE(SkinFiles::fromArchive(ZipBytes(many), small).isValid());

  // A bitmap whose header claims 20000 x 20000 pixels, and a cut-off one.
  QByteArray huge = BmpBytes(FilledImage(4, 4, qRgb(9, 9, 9)));
  const qint32 side = 20000;
  memcpy(huge.data() + 18, &side, 4);
  memcpy(huge.data() + 22, &side, 4);
  QByteArray cut = BmpBytes(FilledImage(275, 116, qRgb(9, 9, 9))).left(200);
  const SkinFiles odd = SkinFiles::fromArchive(ZipBytes({{"main.bmp", huge}, {"text.bmp", cut}}));
  EXPECT_TRUE(odd.image(QStringLiteral("main")).isNull());
  (void)odd.image(QStringLiteral("text"));  // whatever it gives, it returns

  // Not a zip at all, or a zip cut short.
  EXPECT_FALSE(SkinFiles::fromArchive("PK\x03\x04 this is no archive").isValid());
  const QByteArray whole = GeneratedClassicSkin().archive();
  EXPECT_FALSE(SkinFiles::fromArchive(whole.left(whole.size() / 2)).isValid());
}

TEST(ClassicArchive, LoaderTakesArchivesAndRefusesWhatIsNoSkin) {
  SkinFolder folder;
  const QString good = folder.write(QStringLiteral("Blue.WSZ"), GeneratedClassicSkin().archive());
  folder.write(QStringLiteral("empty.wsz"),
               ZipBytes({{"titlebar.bmp", BmpBytes(FilledImage(344, 87, 0))}}));
  folder.write(QStringLiteral("junk.wsz"), "no zip here");
  SkinLoadEnvironment env = folder.environment();
  env.lastSkinFolder = QStringLiteral("/previous/");
  const SkinLoader loader(env);

  const SkinDocument loaded = loader.loadSkin(QStringLiteral("Blue.WSZ"));
  EXPECT_EQ(loaded.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(loaded.skinSetting.value_or(QString()), good);
  EXPECT_TRUE(loaded.messages.isEmpty());
  for (const QString& name : {QStringLiteral("empty.wsz"), QStringLiteral("junk.wsz")}) {
    const SkinDocument refused = loader.loadSkin(name);
    EXPECT_EQ(refused.outcome, SkinLoadOutcome::NotFound) << name.toStdString();
    EXPECT_EQ(refused.messages, QStringList(QStringLiteral("Skin not found!\nSkinName=") + name +
                                            QStringLiteral("\nSkinPath=") + env.skinPath));
    EXPECT_EQ(refused.skinFolder, "/previous/");
    EXPECT_FALSE(refused.skinSetting);
  }

  // A folder skin is chosen by its main.bmp.
  for (const auto& [name, bytes] : GeneratedClassicSkin().entries()) {
    folder.write(QStringLiteral("Green/") + name, bytes);
  }
  const SkinDocument fromFolder = loader.loadSkin(folder.path() + QStringLiteral("Green/main.bmp"));
  EXPECT_EQ(fromFolder.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(fromFolder.info, "Green");
}

TEST(RegionText, PolygonsCountsAndSeparators) {
  const auto read = [](const char* text, const char* section = "Normal") {
    const classic::RegionPolygons polygons =
        classic::ReadRegionSection(QByteArray(text), QString::fromLatin1(section));
    std::string out;
    size_t next = 0;
    for (const int32_t count : polygons.counts) {
      out += out.empty() ? "" : " | ";
      for (int32_t i = 0; i < count; ++i, ++next) {
        out += (i ? " " : "") + Text(polygons.points[next]);
      }
    }
    return out;
  };
  // Several polygons in one list; commas, blanks and empty items mixed.
  EXPECT_EQ(read("[Normal]\nNumPoints=3, 4\nPointList=,0,0  5 0,, 5,5\t1 1,2 1 2,2 1 2\n"),
            "0,0 5,0 5,5 | 1,1 2,1 2,2 1,2");
  // A polygon of two points is skipped but uses its points up.
  EXPECT_EQ(read("[normal]\nnumpoints=2,3\npointlist=9,9,8,8,0,0,4,0,4,4"), "0,0 4,0 4,4");
  // Points run out: that polygon and the later ones are dropped.
  EXPECT_EQ(read("[Normal]\nNumPoints=3,4,3\nPointList=0,0,1,0,1,1, 5,5,6,6"), "0,0 1,0 1,1");
  // An item that is no integer ends the list.
  EXPECT_EQ(read("[Normal]\nNumPoints=3\nPointList=0,0,1,0,x,1,1"), "");
  // The first of a repeated section and key counts; other sections are apart.
  EXPECT_EQ(read("[WindowShade]\nNumPoints=3\nPointList=7,7,8,7,8,8\n"
                 "[NORMAL]\nNumPoints=3\nNumPoints=4\nPointList=0,0,1,0,1,1,0,1\n"
                 "[Normal]\nNumPoints=3\nPointList=5,5,6,5,6,6\n"),
            "0,0 1,0 1,1");
  EXPECT_EQ(read("[WindowShade]\nNumPoints=3\nPointList=7,7,8,7,8,8\n", "windowshade"),
            "7,7 8,7 8,8");
  EXPECT_EQ(read("[Normal]\nNumPoints=-3,3\nPointList=0,0,1,0,1,1"), "0,0 1,0 1,1");
}

TEST(RegionText, OverlappingPolygonsUniteAndHugeListsAreBounded) {
  classic::RegionPolygons two;
  two.points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 0}, {15, 0}, {15, 10}, {5, 10}};
  two.counts = {4, 4};
  const std::optional<QRegion> shape =
      classic::RegionOfPolygons(two, QRect(0, 0, 275, 116), int64_t{1} << 24);
  ASSERT_TRUE(shape);
  EXPECT_TRUE(shape->contains(QPoint(7, 5)));  // inside both: still inside
  EXPECT_EQ(Line(shape->boundingRect()), "0,0 15x10");
  EXPECT_FALSE(classic::RegionOfPolygons({}, QRect(0, 0, 275, 116), 1 << 20));

  // A million points on one line: only the first are read.
  QByteArray text = "[Normal]\nNumPoints=1000000\nPointList=";
  text.reserve(8 << 20);
  for (int i = 0; i < 1000000; ++i) text += "1,2,";
  const classic::RegionPolygons polygons =
      classic::ReadRegionSection(text, QStringLiteral("Normal"));
  EXPECT_TRUE(polygons.counts.empty());
}

TEST(PlaylistColours, TolerantKeysValuesAndDefaults) {
  const classic::PlaylistColours colours = classic::ReadPlaylistColours(
      "// comment\n[ TEXT ]\n  normal = 00FF00FFEE \ncurrent=#zzzzzz\nNormalBG\n"
      "SelectedBG=#00000A\nFont = Tahoma \n[Other]\nNormal=#FFFFFF\n");
  EXPECT_EQ(Line(Colour(colours.normal), Colour(colours.current), Colour(colours.normalBg),
                 Colour(colours.selectedBg), colours.font),
            "#00ff00 #ffeeff #0a120a #00000a Tahoma");
  const classic::PlaylistColours none = classic::ReadPlaylistColours({});
  EXPECT_EQ(Colour(none.normal), "#2499ff");
}

}  // namespace
}  // namespace kd::test
