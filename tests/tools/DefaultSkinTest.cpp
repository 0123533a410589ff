// Checks the default skin that the build paints into the program folder: the
// file follows the skin format record by record, every command has a button
// and a key, every picture the records point at lies in the bitmaps and
// blends with the face, and the smaller window sizes keep working controls.

#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QMap>
#include <QPolygon>
#include <QRegion>
#include <QSet>

#include "SkinRecords.h"

namespace kd::test {
namespace {

QString ShareDir() {
  const QString fromEnv = qEnvironmentVariable("KD_SHARE_DIR");
  return (fromEnv.isEmpty() ? QStringLiteral(KD_TEST_SHARE_DIR) : fromEnv) + u'/';
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Num(const SkinRecord& r, int field) {
  int v = 0;
  ParseInt(r.fields.value(field), &v);
  return v;
}

QRect RectOf(const SkinRecord& r) {
  return QRect(Num(r, 0), Num(r, 1), Num(r, 2), Num(r, 3));
}

struct Skin {
  QByteArray bytes;
  SkinText text;
  QImage main;
  QImage res;
  QMap<int, SkinRecord> buttons, labels, displays, sliders, lights;
  QList<SkinRecord> outlinePoints;
  int declaredPoints = -1;
  QSize size(int pair) const {
    return {text.sizes.value(2 * pair), text.sizes.value(2 * pair + 1)};
  }
};

class DefaultSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_skin = new Skin;
    Skin& s = *s_skin;
    s.bytes = ReadAll(ShareDir() + "default.skin");
    s.text = ReadSkinText(QString::fromUtf8(s.bytes));
    s.main.load(ShareDir() + s.text.mainBitmap);
    s.res.load(ShareDir() + s.text.resourceBitmap);
    for (const SkinRecord& r : s.text.records) {
      const ushort kind = r.kind.unicode();
      if (kind == u'B') s.buttons.insert(r.index, r);
      if (kind == u'L') s.labels.insert(r.index, r);
      if (kind == u'D') s.displays.insert(r.index, r);
      if (kind == u'S') s.sliders.insert(r.index, r);
      if (kind == u'I') s.lights.insert(r.index, r);
      if (kind == u'N') s.declaredPoints = r.index;
      if (kind == u'P') s.outlinePoints += r;
    }
  }
  static void TearDownTestSuite() {
    delete s_skin;
    s_skin = nullptr;
  }
  const Skin& skin() const { return *s_skin; }

  static Skin* s_skin;
};

Skin* DefaultSkinTest::s_skin = nullptr;

bool Uniform(const QImage& image, const QRect& area, QRgb* colour) {
  const QRgb first = image.pixel(area.topLeft());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) != first) return false;
  if (colour) *colour = first;
  return true;
}

size_t ImageHash(const QImage& image) {
  return qHash(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
}

int BmpBitCount(const QByteArray& bytes) {
  if (bytes.size() < 30 || !bytes.startsWith("BM")) return 0;
  return uchar(bytes[28]) | (uchar(bytes[29]) << 8);
}

TEST_F(DefaultSkinTest, FollowsTheRecordFormatLineByLine) {
  const Skin& s = skin();
  ASSERT_FALSE(s.bytes.isEmpty()) << "no default.skin in " << qPrintable(ShareDir());
  EXPECT_TRUE(s.text.problems.isEmpty()) << qPrintable(s.text.problems.join("\n"));
  EXPECT_EQ(s.text.tag, "Kavoro Skin");
  EXPECT_FALSE(s.text.info.trimmed().isEmpty());
  EXPECT_FALSE(s.text.moreInfo.isEmpty());
  EXPECT_TRUE(s.text.endMarker);
  // Lines end with CR LF and the text is UTF-8 (the player falls back to the
  // legacy code page for anything else).
  EXPECT_EQ(s.bytes.count("\r\n"), s.bytes.count('\n'));
  EXPECT_EQ(QString::fromUtf8(s.bytes).toUtf8(), s.bytes);

  // Window record: hover style, anchor, background colour, three unused numbers.
  ASSERT_EQ(s.text.windowRecord.size(), 8);
  EXPECT_TRUE(s.text.windowRecord[0] == 1 || s.text.windowRecord[0] == 2);
  for (int i = 2; i < 5; ++i)
    EXPECT_TRUE(s.text.windowRecord[i] >= 0 && s.text.windowRecord[i] <= 255);

  // Numbers where the records read numbers.
  const QMap<QChar, int> numericFields = {{u'B', 6}, {u'L', 8},  {u'D', 10}, {u'S', 8},
                                          {u'I', 8}, {u'X', 11}, {u'C', 4},  {u'P', 1}};
  for (const SkinRecord& r : s.text.records) {
    if (!numericFields.contains(r.kind)) continue;
    for (int i = 0; i < numericFields[r.kind]; ++i) {
      int v = 0;
      EXPECT_TRUE(ParseInt(r.fields.value(i), &v)) << qPrintable(r.key) << " field " << i;
    }
  }
  // Each group of records starts with a comment.
  QChar lastKind;
  bool afterComment = false;
  for (const SkinRecord& r : s.text.records) {
    if (r.kind == u';') {
      afterComment = true;
      continue;
    }
    if (QStringLiteral("NBSDLIXC").contains(r.kind) && r.kind != lastKind && !afterComment)
      ADD_FAILURE() << "no comment before the group starting with " << qPrintable(r.key);
    lastKind = r.kind;
    afterComment = false;
  }
}

TEST_F(DefaultSkinTest, BitmapsAre24BitAndMatchTheWindowSize) {
  const Skin& s = skin();
  EXPECT_EQ(BmpBitCount(ReadAll(ShareDir() + s.text.mainBitmap)), 24);
  EXPECT_EQ(BmpBitCount(ReadAll(ShareDir() + s.text.resourceBitmap)), 24);
  const QByteArray cover = ReadAll(ShareDir() + "nocover.bmp");
  EXPECT_EQ(BmpBitCount(cover), 24);
  EXPECT_EQ(QImage::fromData(cover).size(), QSize(300, 300));

  EXPECT_EQ(s.main.size(), s.size(0));
  // The alternate size drops the playlist, the small size keeps the top bar.
  EXPECT_EQ(s.size(1).width(), s.size(0).width());
  EXPECT_LT(s.size(1).height(), s.size(0).height());
  EXPECT_LT(s.size(2).height(), s.size(1).height());
  EXPECT_GE(s.size(2).height(), 30);
}

TEST_F(DefaultSkinTest, EveryCommandHasOneButtonWithAnUnambiguousKey) {
  const Skin& s = skin();
  QMap<QString, int> keys;
  for (int command = 1; command <= 36; ++command) {
    ASSERT_TRUE(s.buttons.contains(command)) << "no button for command " << command;
    const SkinRecord& b = s.buttons[command];
    int records = 0;
    for (const SkinRecord& r : s.text.records) records += r.kind == u'B' && r.index == command;
    EXPECT_EQ(records, 1) << command;
    // The key map holds one character; an empty field stands for the space bar.
    const QString key = b.fields[6].isEmpty() ? QStringLiteral(" ") : b.fields[6];
    EXPECT_EQ(key.size(), 1) << command;
    // Typed letters are upper-cased before the comparison.
    EXPECT_EQ(key, key.toUpper()) << command;
    EXPECT_NE(key, "`");
    EXPECT_NE(key, "~");
    EXPECT_FALSE(keys.contains(key))
        << "key " << qPrintable(key) << " on " << keys.value(key) << " and " << command;
    keys.insert(key, command);
    EXPECT_FALSE(b.fields[7].trimmed().isEmpty()) << "button " << command << " has no tip";
  }
  EXPECT_EQ(keys.value("Z"), 14);
  EXPECT_EQ(keys.value("X"), 12);
  EXPECT_EQ(keys.value("C"), 11);
  EXPECT_EQ(keys.value("V"), 10);
  EXPECT_EQ(keys.value("B"), 15);

  const QRect window(QPoint(0, 0), s.size(0));
  for (auto a = s.buttons.begin(); a != s.buttons.end(); ++a) {
    EXPECT_TRUE(window.contains(RectOf(*a))) << a.key();
    for (auto b = std::next(a); b != s.buttons.end(); ++b)
      EXPECT_FALSE(RectOf(*a).intersects(RectOf(*b)))
          << "buttons " << a.key() << " and " << b.key();
  }
}

TEST_F(DefaultSkinTest, PressedImagesLieInTheResourceBitmapAndLookDifferent) {
  const Skin& s = skin();
  for (const SkinRecord& b : s.buttons) {
    const QRect rect = RectOf(b);
    // A PX of 0 would mean "the pressed image is at the button's own place".
    ASSERT_NE(Num(b, 4), 0) << b.index;
    const QRect pressed(QPoint(Num(b, 4), Num(b, 5)), rect.size());
    ASSERT_TRUE(s.res.rect().contains(pressed)) << b.index;
    EXPECT_NE(s.res.copy(pressed), s.main.copy(rect)) << "button " << b.index << " never lights";
  }
}

TEST_F(DefaultSkinTest, SmallerSizesKeepTheirControls) {
  const Skin& s = skin();
  const QRect strip(QPoint(0, 0), s.size(2));
  const QRect upper(QPoint(0, 0), s.size(1));
  // The mini player: the transport, the way back (command 4), time and title.
  for (int command : {10, 11, 12, 14, 15, 4, 1, 2})
    EXPECT_TRUE(strip.contains(RectOf(s.buttons[command]))) << "button " << command;
  for (int d : {1, 6}) {
    const SkinRecord& r = s.displays[d];
    EXPECT_TRUE(strip.contains(QRect(Num(r, 0), Num(r, 1), Num(r, 4), Num(r, 5)))) << d;
  }
  // Without the playlist: every player control stays reachable.
  for (int command : {3, 5, 6, 7, 8, 9, 13, 16, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36})
    EXPECT_TRUE(upper.contains(RectOf(s.buttons[command]))) << "button " << command;
  for (const SkinRecord& r : s.sliders) EXPECT_LT(Num(r, 1), upper.bottom()) << r.key.toStdString();
}

// The width a display's anchor takes, by format.
int DisplayWidth(const SkinRecord& d) {
  const int cell = Num(d, 4), narrow = Num(d, 6), format = Num(d, 9);
  if (format == 0 || format == 1 || format == 3) return 4 * cell + narrow;
  if (format == 2) return 6 * cell + 2 * narrow;
  if (format == 4) return 6 * cell + narrow;
  return std::abs(format) * cell;
}

TEST_F(DefaultSkinTest, DisplaysDrawFromCompleteFontsOntoMatchingPanels) {
  const Skin& s = skin();
  const QMap<int, QList<int>> formats = {{1, {0}},  {2, {-2, -3}}, {3, {1}},
                                         {4, {-3}}, {5, {-2}},     {6, {}}};
  for (int index = 1; index <= 6; ++index) {
    ASSERT_TRUE(s.displays.contains(index)) << index;
    const SkinRecord& d = s.displays[index];
    const QPoint src(Num(d, 2), Num(d, 3));
    const QSize cell(Num(d, 4), Num(d, 5));
    const int kind = Num(d, 7);
    if (index < 6) {
      EXPECT_EQ(kind, 0) << index;
      EXPECT_TRUE(formats[index].contains(Num(d, 9))) << index;
    } else {
      EXPECT_EQ(kind, 3);
      EXPECT_GE(Num(d, 9), 12) << "a title needs room";
    }
    const QSize sheet = kind == 3 ? QSize(cell.width() * 30, cell.height() * 3)
                                  : QSize(cell.width() * 13, cell.height());
    ASSERT_TRUE(s.res.rect().contains(QRect(src, sheet))) << index;
    auto cellAt = [&](int column, int row) {
      return s.res.copy(QRect(src + QPoint(column * cell.width(), row * cell.height()), cell));
    };
    // The blank cell has the colour of the panel under the display, so the
    // cells never show as boxes.
    const QImage blank = kind == 3 ? cellAt(29, 0) : cellAt(10, 0);
    QRgb paper = 0, panel = 0;
    EXPECT_TRUE(Uniform(blank, blank.rect(), &paper)) << index;
    const QRect area(QPoint(Num(d, 0), Num(d, 1)), QSize(DisplayWidth(d), cell.height()));
    ASSERT_TRUE(s.main.rect().contains(area)) << index;
    EXPECT_TRUE(Uniform(s.main, area, &panel)) << "display " << index << " sits on a busy face";
    EXPECT_EQ(paper, panel) << index;
    if (kind == 0) {
      // Ten different digits, and "." and ":" inside the narrow width.
      QSet<size_t> seen;
      for (int k = 0; k < 10; ++k) seen.insert(ImageHash(cellAt(k, 0)));
      EXPECT_EQ(seen.size(), 10) << index;
      for (int k : {11, 12}) {
        const QImage c = cellAt(k, 0);
        const int narrow = Num(d, 6);
        EXPECT_FALSE(Uniform(c, QRect(0, 0, narrow, cell.height()), nullptr)) << index;
        EXPECT_TRUE(Uniform(c, QRect(narrow, 0, cell.width() - narrow, cell.height()), nullptr));
      }
    }
  }
}

TEST_F(DefaultSkinTest, LetterFontFollowsTheCellTable) {
  const Skin& s = skin();
  const SkinRecord& d = s.displays[6];
  const QPoint src(Num(d, 2), Num(d, 3));
  const QSize cell(Num(d, 4), Num(d, 5));
  auto cellAt = [&](int column, int row) {
    return s.res.copy(QRect(src + QPoint(column * cell.width(), row * cell.height()), cell));
  };
  const QImage blank = cellAt(29, 0);
  QSet<size_t> glyphs;
  auto expectGlyph = [&](int column, int row, const char* what) {
    const QImage c = cellAt(column, row);
    EXPECT_NE(c, blank) << what << " at " << column << "," << row;
    glyphs.insert(ImageHash(c));
  };
  for (int c = 0; c < 26; ++c) expectGlyph(c, 0, "letter");
  expectGlyph(27, 0, "double quote");
  for (int c = 0; c < 10; ++c) expectGlyph(c, 1, "digit");
  for (int c = 12; c <= 28; ++c) expectGlyph(c, 1, "punctuation");
  expectGlyph(3, 2, "question mark");
  expectGlyph(4, 2, "asterisk");
  EXPECT_EQ(glyphs.size(), 26u + 1 + 10 + 17 + 2) << "two cells share a picture";
  // Cells outside the table stay blank.
  for (QPoint unused : {QPoint(26, 0), QPoint(28, 0), QPoint(10, 1), QPoint(11, 1), QPoint(0, 2)})
    EXPECT_EQ(cellAt(unused.x(), unused.y()), blank);
}

TEST_F(DefaultSkinTest, SliderKnobsBlendWithTheirTracks) {
  const Skin& s = skin();
  for (int index = 1; index <= 5; ++index) {
    ASSERT_TRUE(s.sliders.contains(index)) << index;
    const SkinRecord& r = s.sliders[index];
    const QPoint origin(Num(r, 0), Num(r, 1));
    const int travel = Num(r, 2);
    const QSize knob(Num(r, 6), Num(r, 7));
    EXPECT_EQ(Num(r, 3), 0) << "slider " << index << " should be horizontal";
    EXPECT_GT(travel, 0);
    const QRect source(QPoint(Num(r, 4), Num(r, 5)), knob);
    ASSERT_TRUE(s.res.rect().contains(source)) << index;
    if (index == 4) {
      // The volume bar grows from its left end: at full volume its knob is as
      // wide as its travel.
      EXPECT_EQ(knob.width(), travel);
      EXPECT_TRUE(s.main.rect().contains(QRect(origin, knob)));
      continue;
    }
    ASSERT_TRUE(s.main.rect().contains(QRect(origin, QSize(travel + knob.width(), knob.height()))));
    // The knob's corners show the face behind the track wherever it stands.
    const QImage image = s.res.copy(source);
    for (double v : {0.0, 0.5, 1.0}) {
      const QPoint at = origin + QPoint(int(v * travel), 0);
      for (QPoint c : {QPoint(0, 0), QPoint(knob.width() - 1, 0), QPoint(0, knob.height() - 1),
                       QPoint(knob.width() - 1, knob.height() - 1)})
        EXPECT_EQ(image.pixel(c), s.main.pixel(at + c)) << "slider " << index << " at " << v;
    }
  }
}

TEST_F(DefaultSkinTest, LabelsUseTheChineseFaceAndFitTheirText) {
  const Skin& s = skin();
  for (int index : {1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 18, 24, 25, 26}) {
    ASSERT_TRUE(s.labels.contains(index)) << "label " << index;
    const SkinRecord& l = s.labels[index];
    EXPECT_EQ(l.fields[8], "WenQuanYi Micro Hei") << index;
    QFont font(l.fields[8]);
    // Point sizes on a 96 dpi screen.
    font.setPixelSize(qRound(std::abs(Num(l, 7)) * 96.0 / 72.0));
    EXPECT_LE(QFontMetrics(font).ascent() + QFontMetrics(font).descent() - 2, RectOf(l).height())
        << "label " << index << " clips its text";
    for (const SkinRecord& b : s.buttons)
      EXPECT_FALSE(RectOf(l).intersects(RectOf(b)))
          << "label " << index << " covers button " << b.index;
  }
}

TEST_F(DefaultSkinTest, LabelsHaveRoomForTheirLongestTexts) {
  const Skin& s = skin();
  const QMap<int, QStringList> longest = {
      {1, {"-59:59"}},
      {3, {"12:59 PM", "12:59 下午", "23:59   "}},
      {5, {"23:59", "-01"}},
      {6, {"Wed Sep  30, 2025"}},
      {7, {"Wed"}},
      {9, {"PM", "下午"}},
      {10, {"320", "144"}},
      {11, {"48", "??"}},
      {12, {"jstereo", "dualch"}},
      {13, {"59:59"}},
      {16, {"32766"}},
      {18, {" 100"}},
      {24, {"150%"}},
      {25, {"100% right", "100% left"}},
      {26, {"Media"}},
  };
  for (auto it = longest.begin(); it != longest.end(); ++it) {
    const SkinRecord& l = s.labels[it.key()];
    QFont font(l.fields[8]);
    font.setPixelSize(qRound(std::abs(Num(l, 7)) * 96.0 / 72.0));
    for (const QString& text : it.value())
      EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), RectOf(l).width())
          << "label " << it.key() << ": " << qPrintable(text);
  }
}

TEST_F(DefaultSkinTest, LightsShowEveryModeBesideTheirButtons) {
  const Skin& s = skin();
  // light -> the button it belongs to
  const QMap<int, int> owner = {{2, 12}, {3, 11}, {4, 36}, {5, 25},  {6, 26},
                                {7, 27}, {8, 30}, {9, 28}, {10, 28}, {17, 9}};
  QSet<int> shapes;
  for (auto it = owner.begin(); it != owner.end(); ++it) {
    ASSERT_TRUE(s.lights.contains(it.key())) << "light " << it.key();
    const QRect light = RectOf(s.lights[it.key()]);
    const QRect button = RectOf(s.buttons[it.value()]);
    EXPECT_TRUE(light.intersects(button.adjusted(-12, -12, 12, 12)))
        << "light " << it.key() << " is far from button " << it.value();
  }
  EXPECT_TRUE(s.lights.contains(1)) << "stereo light";
  EXPECT_FALSE(s.lights.contains(18)) << "light 18 is never shown";
  for (const SkinRecord& l : s.lights) {
    shapes.insert(Num(l, 7));
    EXPECT_TRUE(Num(l, 7) >= 0 && Num(l, 7) <= 5);
    // A light over a button would take its clicks.
    for (const SkinRecord& b : s.buttons)
      EXPECT_FALSE(RectOf(l).intersects(RectOf(b)))
          << "light " << l.index << " on button " << b.index;
  }
  EXPECT_GE(shapes.size(), 3);
}

TEST_F(DefaultSkinTest, OutlineRoundsTheCornersOfTheFullWindow) {
  const Skin& s = skin();
  ASSERT_GT(s.declaredPoints, 2);
  ASSERT_EQ(s.outlinePoints.size(), s.declaredPoints);
  QPolygon polygon;
  for (const SkinRecord& p : s.outlinePoints) polygon << QPoint(p.index, Num(p, 0));
  const QRegion region(polygon);
  const QSize full = s.size(0);
  for (QPoint corner : {QPoint(0, 0), QPoint(full.width() - 1, 0), QPoint(0, full.height() - 1),
                        QPoint(full.width() - 1, full.height() - 1)})
    EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
  for (QPoint inside :
       {QPoint(full.width() / 2, 0), QPoint(0, full.height() / 2),
        QPoint(full.width() - 1, full.height() / 2), QPoint(full.width() / 2, full.height() - 1)})
    EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
  // The painted corners agree: outside the outline only the rim colour shows.
  EXPECT_NE(s.main.pixel(0, 0), s.main.pixel(full.width() / 2, full.height() / 2));
}

TEST_F(DefaultSkinTest, PlaylistBoxAndCoverHaveTheirPlaces) {
  const Skin& s = skin();
  const SkinRecord* box = nullptr;
  const SkinRecord* cover = nullptr;
  for (const SkinRecord& r : s.text.records) {
    if (r.kind == u'X') box = &r;
    if (r.kind == u'C') cover = &r;
  }
  ASSERT_TRUE(box && cover);
  EXPECT_EQ(box->index, 1);
  EXPECT_EQ(cover->index, 1);
  const QRect list = RectOf(*box);
  EXPECT_GE(list.top(), s.size(1).height()) << "the playlist belongs below the player";
  EXPECT_TRUE(QRect(QPoint(0, 0), s.size(0)).contains(list));
  EXPECT_GE(list.height(), 100);
  EXPECT_EQ(box->fields[11], "WenQuanYi Micro Hei");
  // Text and background must differ clearly.
  const QColor text(Num(*box, 4), Num(*box, 5), Num(*box, 6));
  const QColor back(Num(*box, 7), Num(*box, 8), Num(*box, 9));
  EXPECT_GT(std::abs(text.lightness() - back.lightness()), 120);
  EXPECT_TRUE(QRect(QPoint(0, 0), s.size(1)).contains(RectOf(*cover)));
}

}  // namespace
}  // namespace kd::test
