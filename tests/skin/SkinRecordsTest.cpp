#include <gtest/gtest.h>

#include <QFontDatabase>

#include "SkinTestSupport.h"
#include "skin/SkinFonts.h"
#include "skin/SkinLoader.h"
#include "skin/SkinParser.h"

namespace kd {
namespace {

using test::PatternImage;
using test::PatternPixel;
using test::SkinData;
using test::SkinFolder;
using test::SkinWith;

const QString kRejectHead =
    QStringLiteral("界面文件读取错误!\n此界面文件包涵系统不该涵有的原素!:\n");

TEST(SkinRecords, ButtonsTakeTheirPressedImageFromPxPyOrTheirOwnCorner) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("B1,10,20,30,40,0,99,play,~kept as it is\r\n"
                           "B2,11,21,31,41,5,6,,\"Stop, now\"\r\n"
                           "B3,1,1,0,10,0,0,w,zero width\r\n"
                           "B4,1,1,10,-1,0,0,h,negative height\r\n"
                           "B0,1,1,10,10,0,0,z,index zero\r\n"
                           "B2,12,22,32,42,7,8,s,the later record wins\r\n"));
  ASSERT_TRUE(doc.buttons[1].has_value());
  EXPECT_EQ(doc.buttons[1]->rect, QRect(10, 20, 30, 40));
  EXPECT_EQ(doc.buttons[1]->press, QPoint(10, 20));  // PX 0: PY is not used
  EXPECT_EQ(doc.buttons[1]->key, QLatin1Char('p'));
  EXPECT_EQ(doc.buttons[1]->tip, QStringLiteral("~kept as it is"));
  ASSERT_TRUE(doc.buttons[2].has_value());
  EXPECT_EQ(doc.buttons[2]->rect, QRect(12, 22, 32, 42));
  EXPECT_EQ(doc.buttons[2]->press, QPoint(7, 8));
  EXPECT_EQ(doc.buttons[2]->key, QLatin1Char('s'));
  EXPECT_FALSE(doc.buttons[3].has_value());
  EXPECT_FALSE(doc.buttons[4].has_value());
  EXPECT_FALSE(doc.buttons[0].has_value());
  EXPECT_FALSE(doc.anyRejected);
}

TEST(SkinRecords, RefusedIndexesAreListedAsTheirKindsSay) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinData(QStringLiteral("rejects.skin")));
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  const QStringList listed{"L51", "X2", "X3", "D7", "S6", "I19", "R3", "W2", "Z2"};
  EXPECT_EQ(doc.rejectedKeys, listed);
  EXPECT_TRUE(doc.anyRejected);
  ASSERT_FALSE(doc.messages.isEmpty());
  EXPECT_EQ(doc.messages.last(), kRejectHead + QStringLiteral(" L51 X2 X3 D7 S6 I19 R3 W2 Z2"));

  EXPECT_FALSE(doc.buttons[0].has_value());
  EXPECT_FALSE(doc.labels[50].has_value());
  EXPECT_FALSE(doc.playlistBox.has_value());
  // "R", "W" and "Z" refuse before reading their fields, and a link above 20
  // leaves its link field: those fields are read as records of their own.
  ASSERT_TRUE(doc.buttons[9].has_value());
  EXPECT_EQ(doc.buttons[9]->tip,
            QStringLiteral("the canvas record leaves this line to be read as records"));
  ASSERT_TRUE(doc.cover.has_value());
  EXPECT_EQ(doc.cover->rect, QRect(2, 2, 8, 8));
  EXPECT_TRUE(doc.links[20].isEmpty());
  EXPECT_TRUE(doc.buttons[5].has_value());
}

TEST(SkinRecords, ButtonsAndLinksAboveTheirRangeShowTheMessageWithAnEmptyList) {
  SkinFolder folder;
  for (const QByteArray& record : {QByteArray("B121,1,1,10,10,0,0,b,too high\r\n"),
                                   QByteArray("K21,1,1,10,10,0,0,k,too high\r\n")}) {
    const SkinDocument doc = folder.load(SkinWith(record));
    EXPECT_TRUE(doc.anyRejected);
    EXPECT_TRUE(doc.rejectedKeys.isEmpty());
    EXPECT_EQ(doc.messages.last(), kRejectHead);
  }
  // Without a refused record there is no message at all.
  EXPECT_TRUE(folder.load(SkinWith("C2,1,1,10,10,silently ignored\r\n")).messages.size() == 2);
}

TEST(SkinRecords, LabelsSplitTheirFontAndPassTheirTipThroughTipText) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("L1,5,6,70,12,255,128,0,-9,Sans Serif  :bI,Elapsed\r\n"
                           "L2,5,20,70,12,0,0,300,11,Mono,~hidden tip\r\n"
                           "L3,5,20,70,12,0,0,0,10,Face:u:b,\r\n"));
  ASSERT_TRUE(doc.labels[1].has_value());
  const SkinLabel& one = *doc.labels[1];
  EXPECT_EQ(one.rect, QRect(5, 6, 70, 12));
  EXPECT_EQ(one.colour, qRgb(255, 128, 0));
  EXPECT_EQ(one.pointSize, 9);
  EXPECT_EQ(one.face, QStringLiteral("Sans Serif"));
  EXPECT_TRUE(one.bold);
  EXPECT_TRUE(one.italic);
  EXPECT_FALSE(one.underline);
  EXPECT_EQ(one.tip, QStringLiteral("Elapsed"));
  ASSERT_TRUE(doc.labels[2].has_value());
  EXPECT_EQ(doc.labels[2]->colour, qRgb(0, 0, 255));  // components are kept to 0..255
  EXPECT_EQ(doc.labels[2]->tip, QString());
  EXPECT_FALSE(doc.labels[2]->bold);
  // Only the first ":" splits; the style letters are everything after it.
  EXPECT_EQ(doc.labels[3]->face, QStringLiteral("Face"));
  EXPECT_TRUE(doc.labels[3]->bold);
  EXPECT_TRUE(doc.labels[3]->underline);
}

TEST(SkinRecords, ALabelFaceTheSystemLacksBecomesArial) {
  SkinLabel label;
  label.face = QStringLiteral("No Such Face 1234");
  label.pointSize = 12;
  label.bold = true;
  const QFont font = LabelFont(label);
  EXPECT_EQ(font.family(), QStringLiteral("Arial"));
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.pointSize(), 12);

  const QStringList families = QFontDatabase::families();
  if (!families.isEmpty()) {
    label.face = families.constFirst();
    EXPECT_EQ(LabelFont(label).family(), families.constFirst());
  }
}

TEST(SkinRecords, ThePlaylistBoxAndCoverTakeTheirFields) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("X1,10,20,150,60,255,255,0,0,0,64,9,Sans:B,~\r\n"
                           "C1,170,20,20,20,Cover art\r\n"
                           "C0,1,1,5,5,ignored\r\n"));
  ASSERT_TRUE(doc.playlistBox.has_value());
  EXPECT_EQ(doc.playlistBox->rect, QRect(10, 20, 150, 60));
  EXPECT_EQ(doc.playlistBox->textColour, qRgb(255, 255, 0));
  EXPECT_EQ(doc.playlistBox->background, qRgb(0, 0, 64));
  EXPECT_EQ(doc.playlistBox->pointSize, 9);
  EXPECT_EQ(doc.playlistBox->face, QStringLiteral("Sans:B"));  // taken as it is
  EXPECT_EQ(doc.playlistBox->tip, QString());
  ASSERT_TRUE(doc.cover.has_value());
  EXPECT_EQ(doc.cover->rect, QRect(170, 20, 20, 20));
  EXPECT_EQ(doc.cover->tip, QStringLiteral("Cover art"));

  QFont base;
  base.setBold(true);
  base.setPointSize(20);
  const QFont font = PlaylistBoxFont(*doc.playlistBox, base);
  EXPECT_FALSE(font.bold());
  EXPECT_EQ(font.pointSize(), 9);
}

TEST(SkinRecords, DisplaysGetTheirDefinitionAndAnAnchorSizedByFormat) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("D1,10,20,1,2,9,13,4,0,1,0,~raw tip\r\n"
                           "D2,10,40,0,0,9,13,4,0,0,2,\r\n"
                           "D3,10,60,0,0,9,13,4,0,0,4,\r\n"
                           "D4,10,80,0,0,9,13,4,0,0,-3,\r\n"
                           "D6,10,90,0,0,6,8,0,3,1,24,title\r\n"));
  ASSERT_TRUE(doc.displays[1].has_value());
  const DisplayDef& def = doc.displays[1]->def;
  EXPECT_EQ(def.SrcX, 1);
  EXPECT_EQ(def.SrcY, 2);
  EXPECT_EQ(def.CellWidth, 9);
  EXPECT_EQ(def.CellHeight, 13);
  EXPECT_EQ(def.NarrowWidth, 4);
  EXPECT_EQ(def.FontKind, 0);
  EXPECT_EQ(def.Spacing, 1);
  EXPECT_EQ(def.Format, 0);
  EXPECT_EQ(doc.displays[1]->tip, QStringLiteral("~raw tip"));
  EXPECT_EQ(doc.displays[1]->anchor, QRect(10, 20, 4 * 9 + 4, 13));
  EXPECT_EQ(doc.displays[2]->anchor.width(), 6 * 9 + 2 * 4);
  EXPECT_EQ(doc.displays[3]->anchor.width(), 6 * 9 + 4);
  EXPECT_EQ(doc.displays[4]->anchor.width(), 3 * 9);
  EXPECT_EQ(doc.displays[6]->anchor, QRect(10, 90, 24 * 6, 8));
  EXPECT_FALSE(doc.displays[5].has_value());
}

TEST(SkinRecords, SliderKnobsAreCutFromTheResourceBitmap) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("res.bmp"), PatternImage(50, 40));
  const SkinDocument doc =
      folder.load(SkinWith("S1,10,90,150,0,20,30,12,6,~\r\n"
                           "S2,180,10,0,70,45,35,10,10,Volume\r\n"
                           "S3,1,1,10,0,0,0,5000,5000,larger than its source\r\n"));
  ASSERT_TRUE(doc.sliders[1].has_value());
  const SkinSlider& slider = *doc.sliders[1];
  EXPECT_EQ(slider.def.X, 10);
  EXPECT_EQ(slider.def.Y, 90);
  EXPECT_EQ(slider.def.W, 150);
  EXPECT_EQ(slider.def.H, 0);
  EXPECT_EQ(slider.def.KW, 12);
  EXPECT_EQ(slider.def.KH, 6);
  EXPECT_EQ(slider.def.KnobPos, 0);
  EXPECT_EQ(slider.tip, QString());
  ASSERT_EQ(slider.knob.size(), QSize(12, 6));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 12; ++x) ASSERT_EQ(slider.knob.pixel(x, y), PatternPixel(20 + x, 30 + y));
  }
  // A block reaching past the resource bitmap is black there.
  const QImage& knob2 = doc.sliders[2]->knob;
  ASSERT_EQ(knob2.size(), QSize(10, 10));
  EXPECT_EQ(knob2.pixel(4, 4), PatternPixel(49, 39));
  EXPECT_EQ(knob2.pixel(5, 5), qRgb(0, 0, 0));
  // A knob never costs more than the bitmap it comes from.
  EXPECT_EQ(doc.sliders[3]->knob.size(), QSize(50, 40));
  EXPECT_EQ(doc.sliders[3]->def.KW, 5000);
}

TEST(SkinRecords, LightsArePlacedWithColourAndShape) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("I4,30,5,6,6,0,255,0,3,playing\r\n"
                           "I5,40,5,6,6,255,0,0,9,unknown shape\r\n"
                           "I6,50,5,0,6,0,0,0,0,too small\r\n"
                           "I18,60,5,6,6,1,1,1,5,never shown but placed\r\n"));
  ASSERT_TRUE(doc.lights[4].has_value());
  EXPECT_EQ(doc.lights[4]->rect, QRect(30, 5, 6, 6));
  EXPECT_EQ(doc.lights[4]->colour, qRgb(0, 255, 0));
  EXPECT_EQ(doc.lights[4]->shape, LightShape::Circle);
  EXPECT_EQ(doc.lights[5]->shape, LightShape::Rectangle);
  EXPECT_FALSE(doc.lights[6].has_value());
  EXPECT_EQ(doc.lights[18]->shape, LightShape::RoundedSquare);
}

TEST(SkinRecords, UnknownLettersAreSingleFieldsAndCommentsTakeLines) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("b1,2,3,4,B2,5,5,10,10,0,0,k,after an unknown letter\r\n"
                           ";, a comment, with commas, B3,1,1,5,5,0,0,x,not a record\r\n"
                           "/, second line of information\r\n"
                           ";\r\n"
                           "B4,1,1,5,5,0,0,x,swallowed by the comment above\r\n"
                           "B5,1,1,5,5,0,0,x,read again\r\n"));
  EXPECT_FALSE(doc.buttons[1].has_value());
  EXPECT_TRUE(doc.buttons[2].has_value());
  EXPECT_FALSE(doc.buttons[3].has_value());
  EXPECT_FALSE(doc.buttons[4].has_value());
  EXPECT_TRUE(doc.buttons[5].has_value());
  EXPECT_EQ(doc.info, QStringLiteral(" a test skin\n second line of information"));
}

TEST(SkinRecords, AnyKeyStartingWithEEndsTheRecords) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("B1,1,1,5,5,0,0,a,\r\n"
                           "End of the skin\r\n"
                           "B2,1,1,5,5,0,0,b,\r\n"));
  EXPECT_TRUE(doc.buttons[1].has_value());
  EXPECT_FALSE(doc.buttons[2].has_value());
}

TEST(SkinRecords, ARecordCutShortByTheEndOfTheFileIsNotApplied) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinWith("B1,1,1,5,5,0,0,a,\r\nB5,1,1,10"));
  EXPECT_TRUE(doc.buttons[1].has_value());
  EXPECT_FALSE(doc.buttons[5].has_value());
  EXPECT_EQ(doc.incompleteRecord, QStringLiteral("B5"));
  // A refused key whose fields run out is not listed either.
  const SkinDocument cut = folder.load(SkinWith("L51,1,1,10"));
  EXPECT_FALSE(cut.anyRejected);
}

TEST(SkinRecords, AQuoteThatNeverClosesSpoilsOnlyItsLine) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("B1,1,1,5,5,0,0,a,\"never closed, still the tip\r\n"
                           "B2,1,1,5,5,0,0,b,next line\r\n"));
  ASSERT_TRUE(doc.buttons[1].has_value());
  EXPECT_EQ(doc.buttons[1]->tip, QStringLiteral("never closed, still the tip"));
  EXPECT_TRUE(doc.buttons[2].has_value());
}

TEST(SkinRecords, HugeNumbersStayInsideTheWindowRange) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("B1,99999999999,-99999999999,99999999999,99999999999,0,0,a,\r\n"
                           "D1,0,0,0,0,32767,32767,32767,1,0,-32768,\r\n"));
  ASSERT_TRUE(doc.buttons[1].has_value());
  EXPECT_EQ(doc.buttons[1]->rect, QRect(32767, -32768, 32767, 32767));
  EXPECT_EQ(doc.displays[1]->anchor.width(), 32768 * 32767);
}

}  // namespace
}  // namespace kd
