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

QByteArray ReadAll(const QString& name) {
  QFile f(ShareDir() + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A number field (the reader has checked that it holds one).
int Num(const SkinRecord& r, int field) {
  return r.fields.value(field).toInt();
}

QRect RectOf(const SkinRecord& r) {
  return QRect(Num(r, 0), Num(r, 1), Num(r, 2), Num(r, 3));
}

struct Skin {
  QByteArray bytes;
  SkinText text;
  QImage main, res;
  QMap<QChar, QMap<int, SkinRecord>> kinds;  // records by kind and index
  QStringList duplicates;                    // keys written twice
  const QMap<int, SkinRecord>& of(char16_t kind) const {
    static const QMap<int, SkinRecord> none;
    const auto it = kinds.find(kind);
    return it == kinds.end() ? none : *it;
  }
  QSize size(int pair) const {
    return {text.sizes.value(2 * pair), text.sizes.value(2 * pair + 1)};
  }
  // Cell (column, row) of display `d`'s font in the resource bitmap.
  QImage cell(const SkinRecord& d, int column, int row) const {
    const QSize size(Num(d, 4), Num(d, 5));
    return res.copy(
        QRect(QPoint(Num(d, 2) + column * size.width(), Num(d, 3) + row * size.height()), size));
  }
};

// Read once for all tests.
const Skin& TheSkin() {
  static const Skin skin = [] {
    Skin s;
    s.bytes = ReadAll("default.skin");
    s.text = ReadSkinText(QString::fromUtf8(s.bytes));
    s.main.load(ShareDir() + s.text.mainBitmap);
    s.res.load(ShareDir() + s.text.resourceBitmap);
    for (const SkinRecord& r : s.text.records) {
      QMap<int, SkinRecord>& records = s.kinds[r.kind];
      if (QStringLiteral("BKLDSIXC").contains(r.kind) && records.contains(r.index))
        s.duplicates += r.key;
      records.insert(r.index, r);
    }
    return s;
  }();
  return skin;
}

bool Uniform(const QImage& image, const QRect& area, QRgb* colour = nullptr) {
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

// The pixel size of a label's font: point sizes on a 96 dpi screen.
QFont LabelFont(const SkinRecord& l) {
  QFont font(l.fields[8]);
  font.setPixelSize(qRound(std::abs(Num(l, 7)) * 96.0 / 72.0));
  return font;
}

TEST(DefaultSkin, FollowsTheRecordFormatLineByLine) {
  const Skin& s = TheSkin();
  ASSERT_FALSE(s.bytes.isEmpty()) << "no default.skin in " << qPrintable(ShareDir());
  EXPECT_TRUE(s.text.problems.isEmpty()) << qPrintable(s.text.problems.join("\n"));
  EXPECT_TRUE(s.duplicates.isEmpty()) << qPrintable(s.duplicates.join(" "));
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

  // Each group of records starts with a comment.
  QChar lastKind;
  for (const SkinRecord& r : s.text.records) {
    if (QStringLiteral("NBSDLIXC").contains(r.kind) && r.kind != lastKind && lastKind != u';')
      ADD_FAILURE() << "no comment before the group starting with " << qPrintable(r.key);
    lastKind = r.kind;
  }
}

TEST(DefaultSkin, BitmapsAre24BitAndMatchTheWindowSize) {
  const Skin& s = TheSkin();
  for (const QString& name : {s.text.mainBitmap, s.text.resourceBitmap, QString("nocover.bmp")})
    EXPECT_EQ(BmpBitCount(ReadAll(name)), 24) << qPrintable(name);
  EXPECT_EQ(QImage::fromData(ReadAll("nocover.bmp")).size(), QSize(300, 300));
  EXPECT_EQ(s.main.size(), s.size(0));
  // The alternate size drops the playlist, the small size keeps the top bar.
  EXPECT_EQ(s.size(1).width(), s.size(0).width());
  EXPECT_LT(s.size(1).height(), s.size(0).height());
  EXPECT_LT(s.size(2).height(), s.size(1).height());
  EXPECT_GE(s.size(2).height(), 30);
}

TEST(DefaultSkin, EveryCommandHasAButtonWithAnUnambiguousKeyAndAPressedImage) {
  const Skin& s = TheSkin();
  QMap<QString, int> keys;
  for (int command = 1; command <= 36; ++command) {
    ASSERT_TRUE(s.of(u'B').contains(command)) << "no button for command " << command;
    const SkinRecord& b = s.of(u'B')[command];
    // The key map holds one character; an empty field stands for the space
    // bar. Typed letters are upper-cased before the comparison.
    const QString key = b.fields[6].isEmpty() ? QStringLiteral(" ") : b.fields[6];
    EXPECT_TRUE(key.size() == 1 && key == key.toUpper() && key != "`" && key != "~")
        << command << ": " << qPrintable(key);
    EXPECT_FALSE(keys.contains(key))
        << "key " << qPrintable(key) << " on " << keys.value(key) << " and " << command;
    keys.insert(key, command);
    EXPECT_FALSE(b.fields[7].trimmed().isEmpty()) << "button " << command << " has no tip";
  }
  // The space bar (an empty key field) plays and pauses.
  const QMap<QString, int> transport = {{"Z", 14}, {"X", 12}, {"C", 11},
                                        {"V", 10}, {"B", 15}, {" ", 36}};
  for (auto it = transport.begin(); it != transport.end(); ++it)
    EXPECT_EQ(keys.value(it.key()), it.value()) << qPrintable(it.key());

  // Another button, a label or a light on a button would take its clicks.
  const QList<SkinRecord> others = s.of(u'B').values() + s.of(u'L').values() + s.of(u'I').values();
  const QRect window(QPoint(0, 0), s.size(0));
  for (auto a = s.of(u'B').begin(); a != s.of(u'B').end(); ++a) {
    EXPECT_TRUE(window.contains(RectOf(*a))) << a.key();
    for (const SkinRecord& o : others)
      EXPECT_TRUE(o.key == a->key || !RectOf(*a).intersects(RectOf(o)))
          << qPrintable(o.key + " on " + a->key);
    // A PX of 0 would mean "the pressed image is at the button's own place".
    ASSERT_NE(Num(*a, 4), 0) << a.key();
    const QRect pressed(QPoint(Num(*a, 4), Num(*a, 5)), RectOf(*a).size());
    ASSERT_TRUE(s.res.rect().contains(pressed)) << a.key();
    EXPECT_NE(s.res.copy(pressed), s.main.copy(RectOf(*a)))
        << "button " << a.key() << " never lights";
  }
}

TEST(DefaultSkin, SmallerSizesKeepTheirControls) {
  const Skin& s = TheSkin();
  const QRect strip(QPoint(0, 0), s.size(2));
  const QRect upper(QPoint(0, 0), s.size(1));
  // The mini player: the transport, the way back (command 4), time and title.
  for (int command : {10, 11, 12, 14, 15, 4, 1, 2})
    EXPECT_TRUE(strip.contains(RectOf(s.of(u'B')[command]))) << "button " << command;
  for (int d : {1, 6}) {
    const SkinRecord& r = s.of(u'D')[d];
    EXPECT_TRUE(strip.contains(QRect(Num(r, 0), Num(r, 1), Num(r, 4), Num(r, 5)))) << d;
  }
  // Without the playlist: every player control stays reachable.
  for (int command : {3, 5, 6, 7, 8, 9, 13, 16, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36})
    EXPECT_TRUE(upper.contains(RectOf(s.of(u'B')[command]))) << "button " << command;
  for (const SkinRecord& r : s.of(u'S')) EXPECT_LT(Num(r, 1), upper.bottom()) << r.index;
}

// The width a display's anchor takes, by format.
int DisplayWidth(const SkinRecord& d) {
  const int cell = Num(d, 4), narrow = Num(d, 6), format = Num(d, 9);
  if (format == 0 || format == 1 || format == 3) return 4 * cell + narrow;
  if (format == 2) return 6 * cell + 2 * narrow;
  if (format == 4) return 6 * cell + narrow;
  return std::abs(format) * cell;
}

TEST(DefaultSkin, DisplaysDrawFromCompleteFontsOntoMatchingPanels) {
  const Skin& s = TheSkin();
  const QMap<int, QList<int>> formats = {{1, {0}},  {2, {-2, -3}}, {3, {1}},
                                         {4, {-3}}, {5, {-2}},     {6, {}}};
  for (int index = 1; index <= 6; ++index) {
    ASSERT_TRUE(s.of(u'D').contains(index)) << index;
    const SkinRecord& d = s.of(u'D')[index];
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
    ASSERT_TRUE(s.res.rect().contains(QRect(QPoint(Num(d, 2), Num(d, 3)), sheet))) << index;
    // The blank cell has the colour of the panel under the display, so the
    // cells never show as boxes.
    const QImage blank = s.cell(d, kind == 3 ? 29 : 10, 0);
    QRgb paper = 0, panel = 0;
    EXPECT_TRUE(Uniform(blank, blank.rect(), &paper)) << index;
    const QRect area(QPoint(Num(d, 0), Num(d, 1)), QSize(DisplayWidth(d), cell.height()));
    ASSERT_TRUE(s.main.rect().contains(area)) << index;
    EXPECT_TRUE(Uniform(s.main, area, &panel)) << "display " << index << " sits on a busy face";
    EXPECT_EQ(paper, panel) << index;
    // The font's cell table: "#" a glyph, "." a cell that stays blank. Digits
    // and the blank; letters, double quote; digits, punctuation; question
    // mark, asterisk.
    const QList<QByteArray> rows = kind == 3
                                       ? QList<QByteArray>{"##########################.#.",
                                                           "##########..#################", ".  ##"}
                                       : QList<QByteArray>{"##########."};
    QSet<size_t> glyphs;
    for (int row = 0; row < rows.size(); ++row) {
      for (int column = 0; column < rows[row].size(); ++column) {
        const char mark = rows[row][column];
        const QImage c = s.cell(d, column, row);
        EXPECT_TRUE(mark == ' ' || (c == blank) == (mark == '.')) << index << ": " << column;
        if (mark == '#') glyphs.insert(ImageHash(c));
      }
    }
    EXPECT_EQ(glyphs.size(), rows.join().count('#')) << index << ": two cells share a picture";
    if (kind != 0) continue;
    // "." and ":" inside the narrow width.
    const int narrow = Num(d, 6);
    for (int k : {11, 12}) {
      const QImage c = s.cell(d, k, 0);
      EXPECT_FALSE(Uniform(c, QRect(0, 0, narrow, cell.height()))) << index;
      EXPECT_TRUE(Uniform(c, QRect(narrow, 0, cell.width() - narrow, cell.height()))) << index;
    }
  }
}

TEST(DefaultSkin, SliderKnobsBlendWithTheirTracks) {
  const Skin& s = TheSkin();
  for (int index = 1; index <= 5; ++index) {
    ASSERT_TRUE(s.of(u'S').contains(index)) << index;
    const SkinRecord& r = s.of(u'S')[index];
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

TEST(DefaultSkin, LabelsUseTheChineseFaceAndHaveRoomForTheirLongestTexts) {
  const Skin& s = TheSkin();
  // Each label and the longest texts it shows, split at "|".
  const std::pair<int, const char*> longest[] = {{1, "-59:59"},
                                                 {2, ""},
                                                 {3, "12:59 PM|12:59 下午|23:59   "},
                                                 {5, "23:59|-01"},
                                                 {6, "Wed Sep  30, 2025"},
                                                 {7, "Wed"},
                                                 {9, "PM|下午"},
                                                 {10, "320|144"},
                                                 {11, "48|??"},
                                                 {12, "jstereo|dualch"},
                                                 {13, "59:59"},
                                                 {14, ""},
                                                 {16, "32766"},
                                                 {18, " 100"},
                                                 {24, "150%"},
                                                 {25, "100% right|100% left"},
                                                 {26, "Media"}};
  for (const auto& [index, texts] : longest) {
    ASSERT_TRUE(s.of(u'L').contains(index)) << "label " << index;
    const SkinRecord& l = s.of(u'L')[index];
    EXPECT_EQ(l.fields[8], "WenQuanYi Micro Hei") << index;
    const QFontMetrics metrics(LabelFont(l));
    EXPECT_LE(metrics.ascent() + metrics.descent() - 2, RectOf(l).height())
        << "label " << index << " clips its text";
    for (const QString& text : QString::fromUtf8(texts).split(u'|', Qt::SkipEmptyParts))
      EXPECT_LE(metrics.horizontalAdvance(text), RectOf(l).width())
          << "label " << index << ": " << qPrintable(text);
  }
}

TEST(DefaultSkin, LightsShowEveryModeBesideTheirButtons) {
  const Skin& s = TheSkin();
  // light -> the button it belongs to
  const QMap<int, int> owner = {{2, 12}, {3, 11}, {4, 36}, {5, 25},  {6, 26},
                                {7, 27}, {8, 30}, {9, 28}, {10, 28}, {17, 9}};
  for (auto it = owner.begin(); it != owner.end(); ++it) {
    ASSERT_TRUE(s.of(u'I').contains(it.key())) << "light " << it.key();
    EXPECT_TRUE(RectOf(s.of(u'I')[it.key()])
                    .intersects(RectOf(s.of(u'B')[it.value()]).adjusted(-12, -12, 12, 12)))
        << "light " << it.key() << " is far from button " << it.value();
  }
  EXPECT_TRUE(s.of(u'I').contains(1)) << "stereo light";
  EXPECT_FALSE(s.of(u'I').contains(18)) << "light 18 is never shown";
  QSet<int> shapes;
  for (const SkinRecord& l : s.of(u'I')) {
    shapes.insert(Num(l, 7));
    EXPECT_TRUE(Num(l, 7) >= 0 && Num(l, 7) <= 5);
  }
  EXPECT_GE(shapes.size(), 3);
}

TEST(DefaultSkin, OutlineRoundsTheCornersOfTheFullWindow) {
  const Skin& s = TheSkin();
  QPolygon polygon;
  int declared = -1;
  for (const SkinRecord& r : s.text.records) {
    if (r.kind == u'N') declared = r.index;
    if (r.kind == u'P') polygon << QPoint(r.index, Num(r, 0));
  }
  ASSERT_GT(declared, 2);
  ASSERT_EQ(polygon.size(), declared);
  const QRegion region(polygon);
  const int w = s.size(0).width(), h = s.size(0).height();
  for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
    EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
  for (QPoint edge :
       {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)})
    EXPECT_TRUE(region.contains(edge)) << edge.x() << "," << edge.y();
  // The painted corners agree: outside the outline only the rim colour shows.
  EXPECT_NE(s.main.pixel(0, 0), s.main.pixel(w / 2, h / 2));
}

TEST(DefaultSkin, PlaylistBoxAndCoverHaveTheirPlaces) {
  const Skin& s = TheSkin();
  ASSERT_TRUE(s.of(u'X').contains(1) && s.of(u'C').contains(1));
  const SkinRecord& box = s.of(u'X')[1];
  const QRect list = RectOf(box);
  EXPECT_GE(list.top(), s.size(1).height()) << "the playlist belongs below the player";
  EXPECT_TRUE(QRect(QPoint(0, 0), s.size(0)).contains(list));
  EXPECT_GE(list.height(), 100);
  EXPECT_EQ(box.fields[11], "WenQuanYi Micro Hei");
  // Text and background must differ clearly.
  const QColor text(Num(box, 4), Num(box, 5), Num(box, 6));
  const QColor back(Num(box, 7), Num(box, 8), Num(box, 9));
  EXPECT_GT(std::abs(text.lightness() - back.lightness()), 120);
  EXPECT_TRUE(QRect(QPoint(0, 0), s.size(1)).contains(RectOf(s.of(u'C')[1])));
}

}  // namespace
}  // namespace kd::test
