#include <gtest/gtest.h>

#include <QFontDatabase>

#include "SkinTestSupport.h"
#include "skin/SkinFonts.h"
#include "skin/SkinLoader.h"
#include "skin/SkinParser.h"

namespace kd {
namespace {

using namespace test;

const QString kRejectHead =
    QStringLiteral("界面文件读取错误!\n此界面文件包涵系统不该涵有的原素!:\n");

TEST(SkinRecords, EachRecordFillsItsElementInFieldOrder) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinWith(
      // PX 0 takes the button's own corner; too small or index 0 is nothing; a later record wins.
      "B1,10,20,30,40,0,99,play,~kept as it is\r\n"
      "B2,11,21,31,41,5,6,,\"Stop, now\"\r\n"
      "B3,1,1,0,10,0,0,w,zero width\r\nB4,1,1,10,-1,0,0,h,negative height\r\n"
      "B0,1,1,10,10,0,0,z,index zero\r\nB2,12,22,32,42,7,8,s,the later record wins\r\n"
      "B5,99999999999,-99999999999,99999999999,99999999999,0,0,,\r\n"
      // Labels split their font at the first ":"; their tips go through TipText.
      "L1,5,6,70,12,255,128,0,-9,Sans Serif  :bI,Elapsed\r\n"
      "L2,5,20,70,12,0,0,300,11,Mono,~hidden tip\r\nL3,5,20,70,12,0,0,0,10,Face:u:b,\r\n"
      "D1,10,20,1,2,9,13,4,0,1,-3,~raw tip\r\nD6,10,90,0,0,6,8,0,3,1,24,title\r\n"
      "X1,10,20,150,60,255,255,0,0,0,64,9,Sans:B,~\r\n"
      "C1,170,20,20,20,Cover art\r\nC0,1,1,5,5,x\r\n"
      "I4,30,5,6,6,0,255,0,3,playing\r\nI5,40,5,6,6,255,0,0,9,unknown shape\r\n"
      "I6,50,5,0,6,0,0,0,0,too small\r\nI18,60,5,6,6,1,1,1,5,never shown but placed\r\n"));
  ASSERT_EQ(Line(Defined(doc.buttons), Defined(doc.labels), Defined(doc.displays),
                 Defined(doc.lights), doc.playlistBox.has_value(), doc.cover.has_value()),
            "1 2 5 1 2 3 1 6 4 5 18 1 1");
  EXPECT_FALSE(doc.anyRejected);
  const auto button = [&](int n) {
    const SkinButton& b = *doc.buttons[n];
    return Line(b.rect, b.press, b.key, b.tip);
  };
  EXPECT_EQ(button(1), "10,20 30x40 10,20 p ~kept as it is");
  EXPECT_EQ(button(2), "12,22 32x42 7,8 s the later record wins");
  // Coordinates stay inside the window's 16-bit range; no key letter is a blank,
  // the space bar's key.
  EXPECT_EQ(button(5), "32767,-32768 32767x32767 32767,-32768   ");
  const auto label = [&](int n) {
    const SkinLabel& l = *doc.labels[n];
    return Line(l.rect, Colour(l.colour), l.pointSize, l.face, l.bold, l.italic, l.underline,
                l.tip);
  };
  EXPECT_EQ(label(1), "5,6 70x12 #ff8000 9 Sans Serif 1 1 0 Elapsed");
  EXPECT_EQ(label(2), "5,20 70x12 #0000ff 11 Mono 0 0 0 ");  // components are kept to 0..255
  EXPECT_EQ(label(3), "5,20 70x12 #000000 10 Face 1 0 1 ");
  const SkinDisplay& display = *doc.displays[1];
  const DisplayDef& d = display.def;
  EXPECT_EQ(Line(d.SrcX, d.SrcY, d.CellWidth, d.CellHeight, d.NarrowWidth, d.FontKind, d.Spacing,
                 d.Format, display.tip, display.anchor),
            "1 2 9 13 4 0 1 -3 ~raw tip 10,20 27x13");
  EXPECT_EQ(doc.displays[6]->anchor, QRect(10, 90, 24 * 6, 8));
  // The box takes its face as it is, style letters included.
  const SkinPlaylistBox& box = *doc.playlistBox;
  EXPECT_EQ(Line(box.rect, Colour(box.textColour), Colour(box.background), box.pointSize, box.face,
                 box.tip),
            "10,20 150x60 #ffff00 #000040 9 Sans:B ");
  EXPECT_EQ(Line(doc.cover->rect, doc.cover->tip), "170,20 20x20 Cover art");
  const auto light = [&](int n) {
    const SkinLight& l = *doc.lights[n];
    return Line(l.rect, Colour(l.colour), int(l.shape));
  };
  EXPECT_EQ(light(4), "30,5 6x6 #00ff00 3");
  EXPECT_EQ(light(5), "40,5 6x6 #ff0000 0");  // an unknown shape is a rectangle
  EXPECT_EQ(light(18), "60,5 6x6 #010101 5");
}

TEST(SkinRecords, RefusedIndexesAreListedAsTheirKindsSay) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinData(QStringLiteral("rejects.skin")));
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  EXPECT_EQ(doc.rejectedKeys,
            (QStringList{"L51", "X2", "X3", "D7", "S6", "I19", "R3", "W2", "Z2"}));
  EXPECT_TRUE(doc.anyRejected);
  EXPECT_EQ(doc.messages.value(doc.messages.size() - 1),
            kRejectHead + QStringLiteral(" L51 X2 X3 D7 S6 I19 R3 W2 Z2"));
  // "R", "W" and "Z" refuse before reading their fields, and a link above 20
  // leaves its link field: those fields are read as records of their own.
  ASSERT_EQ(Defined(doc.buttons), "5 9");
  EXPECT_EQ(doc.buttons[9]->tip, "the canvas record leaves this line to be read as records");
  ASSERT_TRUE(doc.cover.has_value());
  EXPECT_EQ(doc.cover->rect, QRect(2, 2, 8, 8));
  EXPECT_EQ(Defined(doc.labels), "");
  EXPECT_FALSE(doc.playlistBox.has_value());
  EXPECT_TRUE(doc.links[20].isEmpty());
  // Buttons and links above their range show the message with an empty list.
  for (const char* record : {"B121,1,1,10,10,0,0,b,too high\r\n", "K21,1,1,10,10,0,0,k,x\r\n"}) {
    const SkinDocument high = folder.load(SkinWith(record));
    EXPECT_TRUE(high.anyRejected && high.rejectedKeys.isEmpty());
    EXPECT_EQ(high.messages.value(2), kRejectHead) << record;
  }
  // Without a refused record there is no such message: only the two missing bitmaps.
  EXPECT_EQ(folder.load(SkinWith("C2,1,1,10,10,silently ignored\r\n")).messages.size(), 2);
}

TEST(SkinRecords, SkinFontsFallBackAndKeepTheirStyle) {
  SkinLabel label{QRect(), 0, 12, QStringLiteral("No Such Face 1234"), true};
  const auto font = [](const QFont& f) { return Line(f.family(), f.pointSize(), f.bold()); };
  EXPECT_EQ(font(LabelFont(label)), "Arial 12 1");
  const QStringList families = QFontDatabase::families();
  if (!families.isEmpty()) {
    label.face = families.constFirst();
    EXPECT_EQ(LabelFont(label).family(), families.constFirst());
  }
  // The playlist box keeps the current font but its size, and is never bold.
  QFont base(QStringLiteral("No Such Face 1234"), 20, QFont::Bold);
  const SkinPlaylistBox box{QRect(), 0, 0, 9, QStringLiteral("Another Missing Face"), {}};
  EXPECT_EQ(font(PlaylistBoxFont(box, base)), "No Such Face 1234 9 0");
}

TEST(SkinRecords, SliderKnobsAreCutFromTheResourceBitmap) {
  SkinFolder folder;
  folder.writeBmp(QStringLiteral("res.bmp"), PatternImage(50, 40));
  const SkinDocument doc =
      folder.load(SkinWith("S1,10,90,150,0,20,30,12,6,~\r\n"
                           "S2,180,10,0,70,45,35,10,10,Volume\r\n"
                           "S3,1,1,10,0,0,0,5000,5000,larger than its source\r\n"));
  ASSERT_EQ(Defined(doc.sliders), "1 2 3");
  const SliderDef& d = doc.sliders[1]->def;
  EXPECT_EQ(Line(d.X, d.Y, d.W, d.H, d.SX, d.SY, d.KW, d.KH, doc.sliders[1]->tip),
            "10 90 150 0 20 30 12 6 ");
  const QImage& knob = doc.sliders[1]->knob;
  ASSERT_EQ(knob.size(), QSize(12, 6));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 12; ++x) ASSERT_EQ(knob.pixel(x, y), PatternPixel(20 + x, 30 + y));
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

TEST(SkinRecords, UnknownLettersAreSingleFieldsAndCommentsTakeLines) {
  SkinFolder folder;
  const SkinDocument doc =
      folder.load(SkinWith("b1,2,3,4,B2,5,5,10,10,0,0,k,after an unknown letter\r\n"
                           ";, a comment, with commas, B3,1,1,5,5,0,0,x,not a record\r\n"
                           "/, second line of information\r\n"
                           ";\r\n"
                           "B4,1,1,5,5,0,0,x,swallowed by the comment above\r\n"
                           "B5,1,1,5,5,0,0,x,read again\r\n"));
  EXPECT_EQ(Defined(doc.buttons), "2 5");
  EXPECT_EQ(doc.info, QStringLiteral(" a test skin\n second line of information"));
}

TEST(SkinRecords, ARecordCutShortByTheEndOfTheFileIsNotApplied) {
  SkinFolder folder;
  const SkinDocument doc = folder.load(SkinWith("B1,1,1,5,5,0,0,a,\r\nB5,1,1,10"));
  EXPECT_EQ(Defined(doc.buttons), "1");
  EXPECT_EQ(doc.incompleteRecord, QStringLiteral("B5"));
  // A refused key whose fields run out is not listed either.
  EXPECT_FALSE(folder.load(SkinWith("L51,1,1,10")).anyRejected);
}

}  // namespace
}  // namespace kd
