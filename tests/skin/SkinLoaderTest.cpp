#include <gtest/gtest.h>

#include <QPainter>
#include <random>

#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"

namespace kd {
namespace {

using namespace test;

// The classic test skin with its bitmaps; the main bitmap's name differs in
// case from the one the skin gives, and its top-left 3x2 corner is magenta.
TEST(SkinLoader, LoadsAFullSkinIntoTheDocument) {
  SkinFolder folder;
  QImage main = PatternImage(400, 300);
  QPainter(&main).fillRect(0, 0, 3, 2, QColor(255, 0, 255));
  folder.writeBmp(QStringLiteral("Classic_Main.BMP"), main);
  folder.writeBmp(QStringLiteral("classic_res.bmp"), PatternImage(400, 200));
  const SkinDocument doc = folder.load(SkinData(QStringLiteral("classic.skin")));
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_TRUE(doc.messages.isEmpty()) << doc.messages.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(Line(doc.fullPath, doc.baseFolder, doc.skinFolder, doc.skinSetting.value_or("-")),
            Line(folder.path() + "test.skin", folder.path(), folder.path(), doc.fullPath));
  EXPECT_FALSE(doc.skinImportSetting.has_value());
  EXPECT_EQ(doc.info, QStringLiteral(" Classic - a test skin in the layout of a full player\n"
                                     "Made for the skin loader tests and benchmarks."));
  EXPECT_EQ(Line(doc.sizes[0], doc.sizes[1], doc.sizes[2]), "400x300 400x150 200x60");
  ASSERT_EQ(doc.mainBitmap.size(), QSize(400, 300));
  EXPECT_EQ(doc.mainBitmap.pixel(10, 20), PatternPixel(10, 20));
  EXPECT_EQ(doc.resourceBitmap.size(), QSize(400, 200));
  EXPECT_EQ(Line(doc.hoverStyle, Colour(doc.background)), "1 #404040");

  // Every kind is read, links also as buttons 101 and up (36 + 3 buttons); records
  // after the end record are not read.
  const auto count = [](const auto& pool) {
    return std::ranges::count_if(pool, [](auto& e) { return e.has_value(); });
  };
  EXPECT_EQ(Line(count(doc.buttons), count(doc.labels), count(doc.displays), count(doc.sliders),
                 count(doc.lights)),
            "39 26 6 5 17");
  EXPECT_TRUE(doc.playlistBox.has_value() && doc.cover.has_value());
  EXPECT_FALSE(doc.anyRejected);
  EXPECT_EQ(Line(doc.links[1], doc.links[2], doc.links[11]), "night* small.skin www.example.org");
  ASSERT_TRUE(doc.buttons[102].has_value());
  EXPECT_EQ(Line(doc.buttons[102]->rect, doc.buttons[102]->tip), "300,26 40x14 Small skin");

  // The colour key cut the magenta corner out of the window.
  EXPECT_EQ(doc.windowShape, QRegion(0, 0, 400, 300) - QRegion(0, 0, 3, 2));
}

TEST(SkinLoader, FindsTheSkinFile) {
  SkinFolder skins;
  SkinFolder last;
  SkinFolder elsewhere;
  for (const char* name :
       {"a.skin", "program/a.skin", "night1024.skin", "sub/inner.skin", "program/fallback.skin"})
    skins.write(QString::fromLatin1(name), SkinWith(""));
  last.write(QStringLiteral("a.skin"), SkinWith(""));
  const QString other = elsewhere.write(QStringLiteral("Other.SKIN"), SkinWith(""));
  SkinLoadEnvironment env = skins.environment();
  env.lastSkinFolder = last.path();
  const auto found = [&env](const QString& name) {
    return SkinLoader(env).loadSkin(name).fullPath;
  };

  // A name ending in "*" takes the screen width; a relative name with a folder is
  // looked for below the skin folder.
  EXPECT_EQ(found(QStringLiteral("night*")), skins.path() + "night1024.skin");
  EXPECT_EQ(found(QStringLiteral("sub/inner.skin")), skins.path() + "sub/inner.skin");
  // Absolute paths are used as they are; names ignore case and give the name on disk.
  EXPECT_EQ(found(other), other);
  EXPECT_EQ(found(elsewhere.path() + "other.skin"), other);
  const SkinDocument doc = SkinLoader(env).loadSkin(other);
  EXPECT_EQ(Line(doc.baseFolder, doc.skinFolder), Line(elsewhere.path(), elsewhere.path()));
  // A missing skin falls back to the program folder by its file name.
  EXPECT_EQ(found(QStringLiteral("/no/such/place/fallback.skin")),
            skins.programFolder() + "fallback.skin");
  // Plain names: SkinPath, else the folder of the last skin, else the program folder.
  EXPECT_EQ(found(QStringLiteral("a.skin")), skins.path() + "a.skin");
  env.skinPath.clear();
  EXPECT_EQ(found(QStringLiteral("a.skin")), last.path() + "a.skin");
  env.lastSkinFolder.clear();
  EXPECT_EQ(found(QStringLiteral("a.skin")), skins.programFolder() + "a.skin");
}

TEST(SkinLoader, ASkinFoundNowhereIsReportedWithItsNameAndTheSkinPath) {
  SkinFolder folder;
  SkinLoadEnvironment env = folder.environment();
  env.lastSkinFolder = QStringLiteral("/previous/");
  env.skinPath = QStringLiteral("/skins");
  const SkinDocument doc = SkinLoader(env).loadSkin(QStringLiteral("gone*"));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::NotFound);
  EXPECT_EQ(doc.messages, QStringList{"Skin not found!\nSkinName=gone1024.skin\nSkinPath=/skins"});
  EXPECT_EQ(doc.skinFolder, QStringLiteral("/previous/"));
  EXPECT_FALSE(doc.skinSetting.has_value());
}

TEST(SkinLoader, OnlyTheExactHeaderIsAccepted) {
  SkinFolder folder;
  const struct {
    QByteArray text;
    SkinLoadOutcome outcome;
    const char* message;
  } cases[] = {
      {"Tarvo Skin, foreign\r\n1,1,1,1,1,1\r\n", SkinLoadOutcome::ForeignSkin,
       "This skin is designed for Tarvo Only!"},
      {"kavoro skin, lower case\r\n", SkinLoadOutcome::InvalidHeader, "Invalid Skin!"},
      {"KavoroSkin\r\n", SkinLoadOutcome::InvalidHeader, "Invalid Skin!"},
      {"", SkinLoadOutcome::InvalidHeader, "Invalid Skin!"},
  };
  for (const auto& c : cases) {
    const SkinDocument doc = folder.load(c.text + "\r\nB1,1,1,5,5,0,0,a,\r\n");
    EXPECT_EQ(doc.outcome, c.outcome) << c.text.toStdString();
    EXPECT_EQ(doc.messages, QStringList{c.message});
    // The folder is remembered, the setting is not touched, nothing is read.
    EXPECT_EQ(doc.skinFolder, folder.path());
    EXPECT_FALSE(doc.skinSetting.has_value());
    EXPECT_EQ(Defined(doc.buttons), "");
  }
  // A byte-order mark before the header does not count as part of it.
  EXPECT_EQ(folder.load("\xEF\xBB\xBF" + SkinWith("")).outcome, SkinLoadOutcome::Loaded);
}

TEST(SkinLoader, MissingBitmapsAreReportedInOrderAndUnreadableOnesSkipped) {
  SkinFolder folder;
  const QByteArray skin = SkinWith("B4,1,2,3,4,0,0,k,tip\r\n");
  const SkinDocument missing = folder.load(skin);
  EXPECT_EQ(missing.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(missing.messages,
            (QStringList{"Main bitmap not found: " + folder.path() + "main.bmp",
                         "Resource bitmap not found: " + folder.path() + "res.bmp"}));
  EXPECT_TRUE(missing.mainBitmap.isNull() && missing.resourceBitmap.isNull());
  EXPECT_EQ(Defined(missing.buttons), "4");

  folder.write(QStringLiteral("main.bmp"), "this is not a picture");
  folder.writeBmp(QStringLiteral("res.bmp"), PatternImage(8, 8));
  const SkinDocument unreadable = folder.load(skin);
  EXPECT_TRUE(unreadable.messages.isEmpty());
  EXPECT_TRUE(unreadable.mainBitmap.isNull());
  EXPECT_EQ(unreadable.resourceBitmap.size(), QSize(8, 8));
  EXPECT_EQ(Defined(unreadable.buttons), "4");

  // A picture is read by what it holds, whatever its name says.
  PatternImage(12, 10).save(folder.path() + QStringLiteral("main.bmp"), "PNG");
  PatternImage(6, 4).save(folder.path() + QStringLiteral("res.bmp"), "JPG");
  const SkinDocument misnamed = folder.load(skin);
  EXPECT_EQ(misnamed.mainBitmap.size(), QSize(12, 10));
  EXPECT_EQ(misnamed.mainBitmap.pixel(3, 2), PatternImage(12, 10).pixel(3, 2));
  EXPECT_EQ(misnamed.resourceBitmap.size(), QSize(6, 4));

  // A header alone loads an empty skin.
  const SkinDocument empty = folder.load("Kavoro Skin, nothing else");
  EXPECT_EQ(empty.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(Line(empty.info, empty.sizes[0]), " nothing else 0x0");
  EXPECT_EQ(empty.messages, (QStringList{"Main bitmap not found: " + folder.path(),
                                         "Resource bitmap not found: " + folder.path()}));
  EXPECT_FALSE(empty.windowShape.has_value());
}

TEST(SkinLoader, GarbageAndOversizedFilesEndWithoutHarm) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("main.bmp"), PatternImage(64, 64));
  std::mt19937 random(7);
  QByteArray noise(10 << 20, Qt::Uninitialized);
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  EXPECT_EQ(folder.load(noise).outcome, SkinLoadOutcome::InvalidHeader);
  const SkinDocument doc = folder.load(SkinWith(noise));
  EXPECT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.mainBitmap.size(), QSize(64, 64));

  // Only the first maxFileBytes of a file are read.
  SkinLoadEnvironment env = folder.environment();
  env.limits.maxFileBytes = 200;
  const SkinDocument cut = folder.load(SkinWith("B1,1,1,5,5,0,0,a,early\r\n") +
                                           QByteArray(400, ' ') + "\r\nB2,1,1,5,5,0,0,b,late\r\n",
                                       env);
  EXPECT_EQ(Defined(cut.buttons), "1");
}

}  // namespace
}  // namespace kd
