#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/SkinLoader.h"

namespace kd {
namespace {

using namespace test;

// A folder with the import skin and, below "foreign/", the picture it cuts up.
struct ImportSetup {
  SkinFolder folder;
  QString foreignFolder = folder.path() + QStringLiteral("foreign/");

  ImportSetup() {
    folder.write(QStringLiteral("import.skin"), SkinData(QStringLiteral("import.skin")));
    folder.writeBmp(QStringLiteral("foreign/Foreign.BMP"), PatternImage(200, 100));
  }
  SkinDocument load(const SkinLoadEnvironment& env) {
    return SkinLoader(env).loadSkin(QStringLiteral("import.skin"));
  }
};

TEST(ImportSkin, BuildsTheBitmapsOnCanvasesFromTheChosenFolder) {
  ImportSetup setup;
  setup.folder.dialogAnswer = setup.foreignFolder + QStringLiteral("whatever.bmp");
  const SkinDocument doc = setup.load(setup.folder.environment());
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_TRUE(doc.messages.isEmpty()) << doc.messages.join(QLatin1Char('|')).toStdString();
  // The dialog was asked with the skin's filter, default name and the resource field.
  EXPECT_EQ(setup.folder.dialogCalls,
            QStringList{"Bitmaps (*.bmp)|*.bmp|/nowhere/foreign.bmp|importdefault/"});
  EXPECT_EQ(doc.skinImportSetting, setup.foreignFolder);
  EXPECT_EQ(doc.baseFolder, setup.foreignFolder);
  EXPECT_EQ(doc.skinFolder, setup.folder.path());  // the skin file's own folder is remembered

  ASSERT_EQ(doc.mainBitmap.size(), QSize(120, 80));
  ASSERT_EQ(doc.resourceBitmap.size(), QSize(64, 32));
  for (int y = 0; y < 80; y += 7) {
    for (int x = 0; x < 120; x += 5) ASSERT_EQ(doc.mainBitmap.pixel(x, y), PatternPixel(x, y));
  }
  EXPECT_EQ(doc.resourceBitmap.pixel(0, 0), PatternPixel(120, 0));
  EXPECT_EQ(doc.resourceBitmap.pixel(63, 31), PatternPixel(183, 31));
  // The colour key works on the canvas picture the "U" record made the window's.
  ASSERT_TRUE(doc.windowShape.has_value());
  EXPECT_FALSE(doc.windowShape->contains(QPoint(5, 7)));
  EXPECT_TRUE(doc.windowShape->contains(QPoint(6, 7)));
  // The knob comes from the new resource bitmap.
  ASSERT_TRUE(doc.sliders[1].has_value());
  EXPECT_EQ(doc.sliders[1]->knob.pixel(2, 3), PatternPixel(122, 3));
}

TEST(ImportSkin, AMissingPictureSkipsToTheEndMarker) {
  ImportSetup setup;  // the dialog is cancelled: the default name's folder is used
  const SkinDocument doc = setup.load(setup.folder.environment());
  EXPECT_EQ(doc.skinImportSetting, QStringLiteral("/nowhere/"));
  EXPECT_TRUE(doc.mainBitmap.isNull() && doc.resourceBitmap.isNull());
  EXPECT_FALSE(doc.windowShape.has_value());
  EXPECT_EQ(Defined(doc.sliders), "");
  EXPECT_EQ(Defined(doc.buttons), "1");  // after the marker records count again
}

TEST(ImportSkin, TheImportFlagReusesTheStoredFolderWithoutAsking) {
  ImportSetup setup;
  SkinLoadEnvironment env = setup.folder.environment();
  env.importFlag = true;
  env.skinImport = setup.foreignFolder.chopped(1);  // a stored folder without "/" still works
  const SkinDocument doc = setup.load(env);
  EXPECT_TRUE(setup.folder.dialogCalls.isEmpty());
  EXPECT_FALSE(doc.skinImportSetting.has_value());
  EXPECT_EQ(doc.mainBitmap.size(), QSize(120, 80));
}

TEST(ImportSkin, SkipsLookOnlyForTheirMarkerButEStillEnds) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("found.bmp"), FilledImage(4, 4, qRgb(1, 2, 3)));
  const SkinDocument doc = folder.load(
      "Kavoro Skin, skips\r\n0,0,0,0,0,0\r\nmain.bmp,res.bmp\r\n0,0,0,0,0,0,0,0\r\n"
      "R2,missing.bmp\r\n"
      "?1,never\r\n"  // the flag is 0: no skip
      "B1,1,1,5,5,0,0,a,\r\n"
      "?0,first\r\n"
      "B2,1,1,5,5,0,0,:first,\r\n"  // a field inside a skip can end it
      "B3,1,1,5,5,0,0,c,\r\n"
      "R2,found.bmp\r\n"
      "?1,second\r\n"
      ":Second,:second \r\n"  // case matters; the marker itself is one field
      "B4,1,1,5,5,0,0,d,\r\n"
      "?1,third\r\n"
      "Eventually\r\n"  // any key starting with "E" ends the records, even in a skip
      ":third\r\n"
      "B5,1,1,5,5,0,0,e,\r\n");
  EXPECT_EQ(Defined(doc.buttons), "1 3 4");
}

TEST(ImportSkin, CanvasRecordsAreBoundedAndClipped) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("p.bmp"), PatternImage(10, 10));
  SkinLoadEnvironment env = folder.environment();
  env.limits.maxCanvasSide = 64;
  env.importFlag = true;
  env.skinImport = folder.path();
  const SkinDocument doc = folder.load(
      "Kavoro Skin, canvases\r\n0,0,0,0,0,0\r\n*,\r\n|,\r\n0,0,9,8,7,0,0,0\r\n"
      "W0,100000,3\r\n"
      "W1,4,4\r\n"
      "R2,p.bmp\r\n"
      "Z0,-5,0,1000,1000,55,0\r\n"  // clipped at both pictures
      "Z1,8,8,4,4,0,0\r\n"          // reaches past the source
      "W1,6,5\r\n"                  // a larger canvas keeps its pixels
      "U\r\n",
      env);
  const QRgb background = qRgb(9, 8, 7);
  ASSERT_EQ(doc.mainBitmap.size(), QSize(64, 3));
  EXPECT_EQ(doc.mainBitmap.pixel(0, 0), background);  // never covered
  EXPECT_EQ(doc.mainBitmap.pixel(60, 0), PatternPixel(0, 0));
  EXPECT_EQ(doc.mainBitmap.pixel(63, 2), PatternPixel(3, 2));
  ASSERT_EQ(doc.resourceBitmap.size(), QSize(6, 5));
  EXPECT_EQ(doc.resourceBitmap.pixel(1, 1), PatternPixel(9, 9));
  EXPECT_EQ(doc.resourceBitmap.pixel(2, 2), background);
  EXPECT_EQ(doc.resourceBitmap.pixel(5, 4), background);
}

TEST(ImportSkin, AnOversizedCanvasIsCutToTheLimitWithOneMessage) {
  SkinFolder folder;
  SkinLoadEnvironment env = folder.environment();
  env.importFlag = true;
  const SkinDocument doc = folder.load(
      "Kavoro Skin, oversized\r\n0,0,0,0,0,0\r\n*,\r\n|,\r\n0,0,0,0,0,0,0,0\r\n"
      "W0,100000,3\r\n"
      "W1,2,2000000000\r\n"
      "U\r\n",
      env);
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  // The real limit: far above any skin's picture, far below what memory allows.
  EXPECT_EQ(doc.mainBitmap.size(), QSize(8192, 3));
  EXPECT_EQ(doc.resourceBitmap.size(), QSize(2, 8192));
  ASSERT_EQ(doc.messages.size(), 1) << doc.messages.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(doc.messages[0],
            "Canvas 0 of the skin asks for 100000 x 3 pixels; a canvas has at most 8192 pixels "
            "each way, so it was cut to that size.");

  // A skin of a real size is built as asked, without a word.
  const SkinDocument normal = folder.load(
      "Kavoro Skin, normal\r\n0,0,0,0,0,0\r\n*,\r\n|,\r\n0,0,0,0,0,0,0,0\r\n"
      "W0,1920,1080\r\nW1,64,4000\r\nU\r\n",
      env);
  EXPECT_EQ(normal.mainBitmap.size(), QSize(1920, 1080));
  EXPECT_EQ(normal.resourceBitmap.size(), QSize(64, 4000));
  EXPECT_TRUE(normal.messages.isEmpty()) << normal.messages.join(QLatin1Char('|')).toStdString();
}

TEST(ImportSkin, ThePixelBudgetStopsEndlessCanvasWork) {
  SkinFolder folder;
  SkinLoadEnvironment env = folder.environment();
  env.limits.maxCanvasSide = 100;
  env.limits.pixelBudget = 25000;
  env.importFlag = true;
  QByteArray text = "Kavoro Skin, busy\r\n0,0,0,0,0,0\r\n*,\r\n|,\r\n0,0,0,0,0,0,0,0\r\n";
  for (int i = 0; i < 200; ++i) text += i % 2 ? "W0,100,100\r\n" : "W0,99,99\r\n";
  // Two canvases fit into the budget; every later size change was skipped.
  EXPECT_EQ(folder.load(text + "U\r\n", env).mainBitmap.size(), QSize(100, 100));
}

}  // namespace
}  // namespace kd
