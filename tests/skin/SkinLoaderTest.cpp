#include <gtest/gtest.h>

#include <QDir>
#include <random>

#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"

namespace kd {
namespace {

using test::PatternImage;
using test::PatternPixel;
using test::SkinData;
using test::SkinFolder;
using test::SkinWith;

constexpr QRgb kMagenta = 0xFFFF00FFu;

// The classic test skin with its bitmaps; the main bitmap's name differs in
// case from the one the skin gives, and its top-left 3x2 corner is magenta.
SkinDocument LoadClassic(SkinFolder& folder) {
  QImage main = PatternImage(400, 300);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) main.setPixel(x, y, kMagenta);
  }
  folder.writeBmp(QStringLiteral("Classic_Main.BMP"), main);
  folder.writeBmp(QStringLiteral("classic_res.bmp"), PatternImage(400, 200));
  folder.write(QStringLiteral("classic.skin"), SkinData(QStringLiteral("classic.skin")));
  return SkinLoader(folder.environment()).LoadSkin(QStringLiteral("classic.skin"));
}

template <typename Pool>
int Defined(const Pool& pool) {
  int count = 0;
  for (const auto& element : pool) count += element.has_value() ? 1 : 0;
  return count;
}

TEST(SkinLoader, LoadsAFullSkinIntoTheDocument) {
  SkinFolder folder;
  const SkinDocument doc = LoadClassic(folder);
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_TRUE(doc.messages.isEmpty()) << doc.messages.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(doc.fullPath, folder.path() + QStringLiteral("classic.skin"));
  EXPECT_EQ(doc.baseFolder, folder.path());
  EXPECT_EQ(doc.skinFolder, folder.path());
  EXPECT_EQ(doc.skinSetting, doc.fullPath);
  EXPECT_FALSE(doc.skinImportSetting.has_value());
  EXPECT_EQ(doc.info, QStringLiteral(" Classic - a test skin in the layout of a full player\n"
                                     "Made for the skin loader tests and benchmarks."));
  EXPECT_EQ(doc.sizes[0], QSize(400, 300));
  EXPECT_EQ(doc.sizes[1], QSize(400, 150));
  EXPECT_EQ(doc.sizes[2], QSize(200, 60));
  ASSERT_EQ(doc.mainBitmap.size(), QSize(400, 300));
  EXPECT_EQ(doc.mainBitmap.pixel(10, 20), PatternPixel(10, 20));
  ASSERT_EQ(doc.resourceBitmap.size(), QSize(400, 200));
  EXPECT_EQ(doc.CoolFlag, 1);
  EXPECT_EQ(doc.background, qRgb(64, 64, 64));

  // Records after the end record are not read.
  EXPECT_EQ(Defined(doc.buttons), 36 + 3);
  EXPECT_FALSE(doc.buttons[99].has_value());
  EXPECT_EQ(Defined(doc.labels), 26);
  EXPECT_EQ(Defined(doc.displays), 6);
  EXPECT_EQ(Defined(doc.sliders), 5);
  EXPECT_EQ(Defined(doc.lights), 17);
  EXPECT_TRUE(doc.playlistBox.has_value());
  EXPECT_TRUE(doc.cover.has_value());
  EXPECT_TRUE(doc.rejectedKeys.isEmpty());
  EXPECT_FALSE(doc.anyRejected);

  // The colour key cut the magenta corner out of the window.
  ASSERT_TRUE(doc.windowShape.has_value());
  EXPECT_FALSE(doc.windowShape->contains(QPoint(2, 1)));
  EXPECT_TRUE(doc.windowShape->contains(QPoint(3, 1)));
  EXPECT_TRUE(doc.windowShape->contains(QPoint(2, 2)));
  EXPECT_EQ(doc.windowShape->boundingRect(), QRect(0, 0, 400, 300));
}

TEST(SkinLoader, LinksBecomeButtonsAboveOneHundred) {
  SkinFolder folder;
  const SkinDocument doc = LoadClassic(folder);
  EXPECT_EQ(doc.links[1], QStringLiteral("night*"));
  EXPECT_EQ(doc.links[2], QStringLiteral("small.skin"));
  EXPECT_EQ(doc.links[11], QStringLiteral("www.example.org"));
  ASSERT_TRUE(doc.buttons[102].has_value());
  EXPECT_EQ(doc.buttons[102]->rect, QRect(300, 26, 40, 14));
  EXPECT_EQ(doc.buttons[102]->key, QLatin1Char(' '));  // no key letter given
  EXPECT_EQ(doc.buttons[102]->tip, QStringLiteral("Small skin"));
  EXPECT_TRUE(doc.buttons[111].has_value());
}

TEST(SkinLoader, NameEndingInAnAsteriskTakesTheScreenWidth) {
  SkinFolder folder;
  folder.write(QStringLiteral("night1024.skin"), SkinWith("B3,1,1,5,5,0,0,n,night"));
  const SkinDocument doc = SkinLoader(folder.environment()).LoadSkin(QStringLiteral("night*"));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.fullPath, folder.path() + QStringLiteral("night1024.skin"));
  EXPECT_TRUE(doc.buttons[3].has_value());
}

TEST(SkinLoader, PlainNamesAreLookedUpInTheSkinFolderInItsOrder) {
  SkinFolder skinPath;
  SkinFolder lastFolder;
  SkinFolder programFolder;
  for (SkinFolder* f : {&skinPath, &lastFolder, &programFolder}) {
    f->write(QStringLiteral("a.skin"), SkinWith(""));
    f->write(QStringLiteral("program/a.skin"), SkinWith(""));
  }
  SkinLoadEnvironment env = skinPath.environment();
  env.lastSkinFolder = lastFolder.path();
  env.programFolders = {programFolder.programFolder()};
  EXPECT_EQ(SkinLoader(env).LoadSkin(QStringLiteral("a.skin")).fullPath,
            skinPath.path() + QStringLiteral("a.skin"));
  env.skinPath.clear();
  EXPECT_EQ(SkinLoader(env).LoadSkin(QStringLiteral("a.skin")).fullPath,
            lastFolder.path() + QStringLiteral("a.skin"));
  env.lastSkinFolder.clear();
  EXPECT_EQ(SkinLoader(env).LoadSkin(QStringLiteral("a.skin")).fullPath,
            programFolder.programFolder() + QStringLiteral("a.skin"));
}

TEST(SkinLoader, AbsolutePathsAreUsedAsTheyAreAndNamesIgnoreCase) {
  SkinFolder folder;
  SkinFolder elsewhere;
  const QString path = elsewhere.write(QStringLiteral("Other.SKIN"), SkinWith(""));
  SkinLoader loader(folder.environment());
  EXPECT_EQ(loader.LoadSkin(path).fullPath, path);
  // The name as written in another case finds the file as it is on disk.
  EXPECT_EQ(loader.LoadSkin(elsewhere.path() + QStringLiteral("other.skin")).fullPath, path);
  const SkinDocument doc = loader.LoadSkin(path);
  EXPECT_EQ(doc.baseFolder, elsewhere.path());
  EXPECT_EQ(doc.skinFolder, elsewhere.path());
}

TEST(SkinLoader, MissingSkinsFallBackToTheProgramFolderByFileName) {
  SkinFolder folder;
  folder.write(QStringLiteral("program/fallback.skin"), SkinWith(""));
  SkinLoader loader(folder.environment());
  const SkinDocument doc = loader.LoadSkin(QStringLiteral("/no/such/place/fallback.skin"));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.fullPath, folder.programFolder() + QStringLiteral("fallback.skin"));
  // A relative name with a folder is looked for below the skin folder first.
  folder.write(QStringLiteral("sub/inner.skin"), SkinWith(""));
  EXPECT_EQ(loader.LoadSkin(QStringLiteral("sub/inner.skin")).fullPath,
            folder.path() + QStringLiteral("sub/inner.skin"));
}

TEST(SkinLoader, ASkinFoundNowhereIsReportedWithItsNameAndTheSkinPath) {
  SkinFolder folder;
  SkinLoadEnvironment env = folder.environment();
  env.lastSkinFolder = QStringLiteral("/previous/");
  env.skinPath = QStringLiteral("/skins");
  const SkinDocument doc = SkinLoader(env).LoadSkin(QStringLiteral("gone*"));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::NotFound);
  EXPECT_EQ(
      doc.messages,
      QStringList{QStringLiteral("Skin not found!\nSkinName=gone1024.skin\nSkinPath=/skins")});
  EXPECT_EQ(doc.skinFolder, QStringLiteral("/previous/"));
  EXPECT_FALSE(doc.skinSetting.has_value());
}

TEST(SkinLoader, OnlyTheExactHeaderIsAccepted) {
  SkinFolder folder;
  struct Case {
    QByteArray text;
    SkinLoadOutcome outcome;
    QString message;
  };
  const Case cases[] = {
      {"Tarvo Skin, foreign\r\n1,1,1,1,1,1\r\n", SkinLoadOutcome::ForeignSkin,
       QStringLiteral("This skin is designed for Tarvo Only!")},
      {"kavoro skin, lower case\r\n", SkinLoadOutcome::InvalidHeader,
       QStringLiteral("Invalid Skin!")},
      {"KavoroSkin\r\n", SkinLoadOutcome::InvalidHeader, QStringLiteral("Invalid Skin!")},
      {"", SkinLoadOutcome::InvalidHeader, QStringLiteral("Invalid Skin!")},
  };
  for (const Case& c : cases) {
    const SkinDocument doc = folder.load(c.text);
    EXPECT_EQ(doc.outcome, c.outcome) << c.text.toStdString();
    EXPECT_EQ(doc.messages, QStringList{c.message});
    // The folder is remembered, the setting is not touched.
    EXPECT_EQ(doc.skinFolder, folder.path());
    EXPECT_FALSE(doc.skinSetting.has_value());
    EXPECT_FALSE(doc.buttons[1].has_value());
  }
  // A byte-order mark before the header does not count as part of it.
  EXPECT_EQ(folder.load("\xEF\xBB\xBF" + SkinWith("")).outcome, SkinLoadOutcome::Loaded);
}

TEST(SkinLoader, MissingBitmapsAreReportedInOrderAndTheLoadGoesOn) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinWith("B4,1,2,3,4,0,0,k,tip\r\n"));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(
      doc.messages,
      (QStringList{QStringLiteral("Main bitmap not found: ") + folder.path() + "main.bmp",
                   QStringLiteral("Resource bitmap not found: ") + folder.path() + "res.bmp"}));
  EXPECT_TRUE(doc.mainBitmap.isNull());
  EXPECT_TRUE(doc.resourceBitmap.isNull());
  EXPECT_TRUE(doc.buttons[4].has_value());
}

TEST(SkinLoader, BitmapsThatAreNotPicturesAreSkippedSilently) {
  SkinFolder folder;
  folder.write(QStringLiteral("main.bmp"), "this is not a picture");
  folder.writeBmp(QStringLiteral("res.bmp"), PatternImage(8, 8));
  const SkinDocument doc = folder.load(SkinWith("B4,1,2,3,4,0,0,k,tip\r\n"));
  EXPECT_TRUE(doc.messages.isEmpty());
  EXPECT_TRUE(doc.mainBitmap.isNull());
  EXPECT_EQ(doc.resourceBitmap.size(), QSize(8, 8));
  EXPECT_TRUE(doc.buttons[4].has_value());
}

TEST(SkinLoader, AHeaderAloneLoadsAnEmptySkin) {
  SkinFolder folder;
  const SkinDocument doc = folder.load("Kavoro Skin, nothing else");
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.info, QStringLiteral(" nothing else"));
  EXPECT_EQ(doc.sizes[0], QSize(0, 0));
  EXPECT_EQ(doc.messages,
            (QStringList{QStringLiteral("Main bitmap not found: ") + folder.path(),
                         QStringLiteral("Resource bitmap not found: ") + folder.path()}));
  EXPECT_EQ(Defined(doc.buttons), 0);
  EXPECT_FALSE(doc.windowShape.has_value());
}

QByteArray Garbage(qsizetype size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

TEST(SkinLoader, TenMegabytesOfGarbageEndWithoutHarm) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("main.bmp"), PatternImage(64, 64));
  const QByteArray noise = Garbage(10 << 20, 7);
  EXPECT_EQ(folder.load(noise).outcome, SkinLoadOutcome::InvalidHeader);
  const SkinDocument doc = folder.load(SkinWith(noise));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.mainBitmap.size(), QSize(64, 64));
}

TEST(SkinLoader, ALargeFileIsReadOnlyUpToTheLimit) {
  SkinFolder folder;
  SkinLoadEnvironment env = folder.environment();
  env.limits.maxFileBytes = 200;
  QByteArray text = SkinWith("B1,1,1,5,5,0,0,a,early\r\n");
  text += QByteArray(400, ' ') + "\r\nB2,1,1,5,5,0,0,b,beyond the limit\r\n";
  folder.write(QStringLiteral("big.skin"), text);
  const SkinDocument doc = SkinLoader(env).LoadSkin(QStringLiteral("big.skin"));
  EXPECT_TRUE(doc.buttons[1].has_value());
  EXPECT_FALSE(doc.buttons[2].has_value());
}

}  // namespace
}  // namespace kd
