#include "skin/classic/ClassicBaseSkin.h"

#include <QPainter>
#include <array>
#include <cstring>

namespace kd::classic {

namespace {

// The palette: dark blue panels, light ink, cyan for what is lit.
constexpr QRgb kSheet = 0xFF0A1128;         // between the sprites of a file
constexpr QRgb kPanel = 0xFF1A2C5C;         // buttons and bars at rest
constexpr QRgb kPanelPressed = 0xFF10204A;  // buttons held down
constexpr QRgb kBright = 0xFF4566B4;        // upper and left bevel edges
constexpr QRgb kShadow = 0xFF050A1C;        // lower and right bevel edges
constexpr QRgb kInk = 0xFFC6D8FF;           // glyphs on panels
constexpr QRgb kInkDim = 0xFF5A6FA0;        // glyphs of inactive or unlit parts
constexpr QRgb kLit = 0xFF5FD0FF;           // lamps, digits, text, what is on
constexpr QRgb kGhost = 0xFF112548;         // unlit digit segments
constexpr QRgb kScreen = 0xFF020816;        // display backgrounds
constexpr QRgb kAmber = 0xFFE0A040;         // the work lamp while buffering

// A 4 x 5 pixel font for the text cells, the lamps and the labels: each
// glyph is five rows of four columns, '#' set, the rows apart by a blank.
struct Glyph {
  const char* utf8;
  const char* rows;  // 24 characters
};

constexpr Glyph kGlyphs[] = {
    {"A", ".##. #..# #### #..# #..#"},  {"B", "###. #..# ###. #..# ###."},
    {"C", ".### #... #... #... .###"},  {"D", "###. #..# #..# #..# ###."},
    {"E", "#### #... ###. #... ####"},  {"F", "#### #... ###. #... #..."},
    {"G", ".### #... #.## #..# .###"},  {"H", "#..# #..# #### #..# #..#"},
    {"I", "###. .#.. .#.. .#.. ###."},  {"J", "..## ...# ...# #..# .##."},
    {"K", "#..# #.#. ##.. #.#. #..#"},  {"L", "#... #... #... #... ####"},
    {"M", "#..# #### #### #..# #..#"},  {"N", "#..# ##.# #.## #..# #..#"},
    {"O", ".##. #..# #..# #..# .##."},  {"P", "###. #..# ###. #... #..."},
    {"Q", ".##. #..# #..# #.#. .#.#"},  {"R", "###. #..# ###. #.#. #..#"},
    {"S", ".### #... .##. ...# ###."},  {"T", "###. .#.. .#.. .#.. .#.."},
    {"U", "#..# #..# #..# #..# .##."},  {"V", "#.#. #.#. #.#. #.#. .#.."},
    {"W", "#..# #..# #### #### #..#"},  {"X", "#..# #..# .##. #..# #..#"},
    {"Y", "#.#. #.#. .#.. .#.. .#.."},  {"Z", "#### ..#. .#.. #... ####"},
    {"\"", "#.#. #.#. .... .... ...."}, {"@", ".##. #..# #.## #... .###"},
    {"0", ".##. #.## ##.# #..# .##."},  {"1", ".#.. ##.. .#.. .#.. ###."},
    {"2", "###. ...# .##. #... ####"},  {"3", "###. ...# .##. ...# ###."},
    {"4", "#..# #..# #### ...# ...#"},  {"5", "#### #... ###. ...# ###."},
    {"6", ".##. #... ###. #..# .##."},  {"7", "#### ...# ..#. .#.. .#.."},
    {"8", ".##. #..# .##. #..# .##."},  {"9", ".##. #..# .### ...# .##."},
    {"…", ".... .... .... .... #.#."},  {".", ".... .... .... .... .#.."},
    {":", ".... .#.. .... .#.. ...."},  {"(", "..#. .#.. .#.. .#.. ..#."},
    {")", ".#.. ..#. ..#. ..#. .#.."},  {"-", ".... .... ###. .... ...."},
    {"'", ".#.. .#.. .... .... ...."},  {"!", ".#.. .#.. .#.. .... .#.."},
    {"_", ".... .... .... .... ####"},  {"+", ".... .#.. ###. .#.. ...."},
    {"\\", "#... #... .#.. ..#. ..#."}, {"/", "..#. ..#. .#.. #... #..."},
    {"[", ".##. .#.. .#.. .#.. .##."},  {"]", ".##. ..#. ..#. ..#. .##."},
    {"^", ".#.. #.#. .... .... ...."},  {"&", ".#.. #.#. .#.. #.#. .#.#"},
    {"%", "#..# ..#. .#.. #... #..#"},  {",", ".... .... .... .#.. #..."},
    {"=", ".... ###. .... ###. ...."},  {"$", ".### ##.. .##. ..## ###."},
    {"#", "#.#. #### #.#. #### #.#."},  {"Å", ".##. .##. #..# #### #..#"},
    {"Ö", "#..# .##. #..# #..# .##."},  {"Ä", "#..# .##. #..# #### #..#"},
    {"?", "###. ...# .##. .... .#.."},  {"*", ".... #.#. .#.. #.#. ...."},
};

const Glyph* FindGlyph(const char* utf8) {
  for (const Glyph& glyph : kGlyphs) {
    if (std::strcmp(glyph.utf8, utf8) == 0) return &glyph;
  }
  return nullptr;
}

void DrawGlyph(QImage& sheet, const Glyph& glyph, QPoint at, QRgb ink) {
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 4; ++x) {
      const QPoint p = at + QPoint(x, y);
      if (glyph.rows[y * 5 + x] == '#' && sheet.rect().contains(p)) sheet.setPixel(p, ink);
    }
  }
}

// Draws an ASCII label, one glyph every five pixels.
void DrawLabel(QImage& sheet, const char* text, QPoint at, QRgb ink) {
  for (const char* c = text; *c != '\0'; ++c, at.rx() += 5) {
    const char one[2] = {*c, '\0'};
    if (const Glyph* glyph = FindGlyph(one)) DrawGlyph(sheet, *glyph, at, ink);
  }
}

int LabelWidth(const char* text) {
  return int(std::strlen(text)) * 5 - 1;
}

// A label centred in `box`, one pixel lower while pressed.
void DrawCentredLabel(QImage& sheet, const char* text, QRect box, QRgb ink, bool pressed = false) {
  const QPoint at(box.x() + (box.width() - LabelWidth(text)) / 2,
                  box.y() + (box.height() - 5) / 2 + (pressed ? 1 : 0));
  DrawLabel(sheet, text, at, ink);
}

// A raised panel, or a sunken one while pressed.
void Bevel(QPainter& p, QRect r, bool pressed, QRgb fill = kPanel) {
  p.fillRect(r, QColor::fromRgb(pressed ? kPanelPressed : fill));
  const QColor upper = QColor::fromRgb(pressed ? kShadow : kBright);
  const QColor lower = QColor::fromRgb(pressed ? kBright : kShadow);
  p.fillRect(r.x(), r.y(), r.width(), 1, upper);
  p.fillRect(r.x(), r.y(), 1, r.height(), upper);
  p.fillRect(r.x(), r.bottom(), r.width(), 1, lower);
  p.fillRect(r.right(), r.y(), 1, r.height(), lower);
}

// A sunken trough: a dark field with a shadowed top edge.
void Trough(QPainter& p, QRect r) {
  p.fillRect(r, QColor::fromRgb(kScreen));
  p.fillRect(r.x(), r.y(), r.width(), 1, QColor::fromRgb(kShadow));
  p.fillRect(r.x(), r.bottom(), r.width(), 1, QColor::fromRgb(kBright));
}

// Filled triangles pointing right, left or up, `size` pixels across the
// base (odd), from their top-left corner.
void TriangleRight(QPainter& p, QPoint at, int size, const QColor& c) {
  for (int i = 0; i <= size / 2; ++i) p.fillRect(at.x() + i, at.y() + i, 1, size - 2 * i, c);
}
void TriangleLeft(QPainter& p, QPoint at, int size, const QColor& c) {
  for (int i = 0; i <= size / 2; ++i) {
    p.fillRect(at.x() + size / 2 - i, at.y() + i, 1, size - 2 * i, c);
  }
}
void TriangleUp(QPainter& p, QPoint at, int size, const QColor& c) {
  for (int i = 0; i <= size / 2; ++i) {
    p.fillRect(at.x() + i, at.y() + size / 2 - i, size - 2 * i, 1, c);
  }
}

QImage Blank(File file) {
  QImage sheet(UsualSize(file), QImage::Format_RGB32);
  sheet.fill(kSheet);
  return sheet;
}

// cbuttons.bmp: previous, play, pause, stop, next, eject; rest and pressed.
enum class Transport { Previous, Play, Pause, Stop, Next, Eject };

void TransportGlyph(QPainter& p, Transport kind, QRect r, bool pressed) {
  const QColor ink = QColor::fromRgb(pressed ? kLit : kInk);
  const QPoint c = r.center() + QPoint(pressed ? 1 : 0, pressed ? 1 : 0);
  switch (kind) {
    case Transport::Previous:
      p.fillRect(c.x() - 5, c.y() - 3, 2, 7, ink);
      TriangleLeft(p, {c.x() - 3, c.y() - 3}, 7, ink);
      TriangleLeft(p, {c.x() + 1, c.y() - 3}, 7, ink);
      break;
    case Transport::Play:
      TriangleRight(p, {c.x() - 2, c.y() - 4}, 9, ink);
      break;
    case Transport::Pause:
      p.fillRect(c.x() - 3, c.y() - 3, 2, 7, ink);
      p.fillRect(c.x() + 1, c.y() - 3, 2, 7, ink);
      break;
    case Transport::Stop:
      p.fillRect(c.x() - 3, c.y() - 3, 7, 7, ink);
      break;
    case Transport::Next:
      TriangleRight(p, {c.x() - 4, c.y() - 3}, 7, ink);
      TriangleRight(p, {c.x(), c.y() - 3}, 7, ink);
      p.fillRect(c.x() + 4, c.y() - 3, 2, 7, ink);
      break;
    case Transport::Eject:
      TriangleUp(p, {c.x() - 4, c.y() - 4}, 9, ink);
      p.fillRect(c.x() - 4, c.y() + 2, 9, 2, ink);
      break;
  }
}

QImage CButtons() {
  QImage sheet = Blank(File::CButtons);
  QPainter p(&sheet);
  const struct {
    Transport kind;
    QRect rest;
    QRect pressed;
  } buttons[] = {
      {Transport::Previous, {0, 0, 23, 18}, {0, 18, 23, 18}},
      {Transport::Play, {23, 0, 23, 18}, {23, 18, 23, 18}},
      {Transport::Pause, {46, 0, 23, 18}, {46, 18, 23, 18}},
      {Transport::Stop, {69, 0, 23, 18}, {69, 18, 23, 18}},
      {Transport::Next, {92, 0, 22, 18}, {92, 18, 22, 18}},
      {Transport::Eject, {114, 0, 22, 16}, {114, 16, 22, 16}},
  };
  for (const auto& button : buttons) {
    Bevel(p, button.rest, false);
    TransportGlyph(p, button.kind, button.rest, false);
    Bevel(p, button.pressed, true);
    TransportGlyph(p, button.kind, button.pressed, true);
  }
  return sheet;
}

// titlebar.bmp: the title bars, their small buttons, the shade bars with
// their position bar, and the clutterbar.
enum class Small { Menu, Minimise, Close, Shade, Unshade };

void SmallButton(QPainter& p, Small kind, QPoint at, bool pressed) {
  const QRect r(at, QSize(9, 9));
  Bevel(p, r, pressed);
  const QColor ink = QColor::fromRgb(pressed ? kLit : kInk);
  switch (kind) {
    case Small::Menu:
      for (int y : {2, 4, 6}) p.fillRect(at.x() + 2, at.y() + y, 5, 1, ink);
      break;
    case Small::Minimise:
      p.fillRect(at.x() + 2, at.y() + 6, 5, 1, ink);
      break;
    case Small::Close:
      for (int i = 0; i < 5; ++i) {
        p.fillRect(at.x() + 2 + i, at.y() + 2 + i, 1, 1, ink);
        p.fillRect(at.x() + 6 - i, at.y() + 2 + i, 1, 1, ink);
      }
      break;
    case Small::Shade:
      p.fillRect(at.x() + 2, at.y() + 2, 5, 2, ink);
      break;
    case Small::Unshade:
      p.fillRect(at.x() + 2, at.y() + 2, 5, 1, ink);
      p.fillRect(at.x() + 2, at.y() + 6, 5, 1, ink);
      p.fillRect(at.x() + 2, at.y() + 2, 1, 5, ink);
      p.fillRect(at.x() + 6, at.y() + 2, 1, 5, ink);
      break;
  }
}

void TitleBar(QImage& sheet, QPoint at, bool active, bool shade) {
  {
    QPainter p(&sheet);
    const QRect bar(at, QSize(275, 14));
    Bevel(p, bar, false, active ? 0xFF1D3470 : 0xFF141C36);
    const QColor groove = QColor::fromRgb(active ? kBright : kPanelPressed);
    for (int y : {4, 6, 8}) {
      p.fillRect(at.x() + 18, at.y() + y, shade ? 56 : 80, 1, groove);
      p.fillRect(at.x() + (shade ? 160 : 178), at.y() + y, shade ? 60 : 62, 1, groove);
    }
    SmallButton(p, Small::Menu, at + QPoint(6, 3), false);
    SmallButton(p, Small::Minimise, at + QPoint(244, 3), false);
    SmallButton(p, shade ? Small::Unshade : Small::Shade, at + QPoint(254, 3), false);
    SmallButton(p, Small::Close, at + QPoint(264, 3), false);
    if (shade) {
      Trough(p, QRect(at + QPoint(79, 5), QSize(38, 5)));   // mini visualiser
      Trough(p, QRect(at + QPoint(128, 3), QSize(30, 8)));  // time
      Trough(p, QRect(at + QPoint(226, 4), QSize(17, 7)));  // position
    }
  }
  if (!shade) {
    const char* title = "KAVORODECK";
    DrawCentredLabel(sheet, title, QRect(at, QSize(275, 14)), active ? kInk : kInkDim);
  }
}

QImage TitleBarSheet() {
  QImage sheet = Blank(File::TitleBar);
  TitleBar(sheet, {27, 0}, true, false);
  TitleBar(sheet, {27, 15}, false, false);
  // The two shade bars share row 42, as in the format.
  TitleBar(sheet, {27, 29}, true, true);
  TitleBar(sheet, {27, 42}, false, true);
  TitleBar(sheet, {27, 57}, true, false);
  TitleBar(sheet, {27, 72}, false, false);
  QPainter p(&sheet);
  SmallButton(p, Small::Menu, {0, 0}, false);
  SmallButton(p, Small::Minimise, {9, 0}, false);
  SmallButton(p, Small::Close, {18, 0}, false);
  SmallButton(p, Small::Menu, {0, 9}, true);
  SmallButton(p, Small::Minimise, {9, 9}, true);
  SmallButton(p, Small::Close, {18, 9}, true);
  SmallButton(p, Small::Shade, {0, 18}, false);
  SmallButton(p, Small::Shade, {9, 18}, true);
  SmallButton(p, Small::Unshade, {0, 27}, false);
  SmallButton(p, Small::Unshade, {9, 27}, true);
  // The shade-mode position bar and its three knob pieces.
  Trough(p, {0, 36, 17, 7});
  for (int x : {17, 20, 23}) Bevel(p, {x, 36, 3, 7}, false, kLit);
  // The clutterbar, on and off; its pressed pieces light their letter.
  Bevel(p, {304, 0, 8, 43}, false);
  Bevel(p, {312, 0, 8, 43}, true);
  p.end();
  const struct {
    const char* letter;
    int y;  // on the bar
    QRect pressed;
  } clutter[] = {{"O", 3, {304, 47, 8, 8}},
                 {"A", 11, {312, 55, 8, 7}},
                 {"I", 18, {320, 62, 8, 7}},
                 {"D", 25, {328, 69, 8, 8}},
                 {"V", 33, {336, 77, 8, 7}}};
  for (const auto& c : clutter) {
    DrawLabel(sheet, c.letter, {306, c.y + 1}, kInk);
    DrawLabel(sheet, c.letter, {314, c.y + 1}, kInkDim);
    QPainter q(&sheet);
    Bevel(q, c.pressed, true);
    q.end();
    DrawLabel(sheet, c.letter, {c.pressed.x() + 2, c.pressed.y() + 1}, kLit);
  }
  return sheet;
}

// posbar.bmp: the seek trough and its knob at rest and pressed.
QImage PosBar() {
  QImage sheet = Blank(File::PosBar);
  QPainter p(&sheet);
  Trough(p, kSeekBar.rect());
  p.fillRect(2, 4, 244, 2, QColor::fromRgb(kGhost));
  Bevel(p, kSeekKnob.rect(), false);
  p.fillRect(248 + 13, 2, 3, 6, QColor::fromRgb(kInk));
  Bevel(p, {278, 0, 29, 10}, true);
  p.fillRect(278 + 13, 2, 3, 6, QColor::fromRgb(kLit));
  return sheet;
}

// The volume and balance knobs, rest at (15,422), pressed at (0,422).
void SliderKnobs(QPainter& p) {
  Bevel(p, kSliderKnob.rect(), false);
  p.fillRect(kSliderKnob.x + 6, 424, 2, 7, QColor::fromRgb(kInk));
  Bevel(p, {0, 422, 14, 11}, true);
  p.fillRect(6, 424, 2, 7, QColor::fromRgb(kLit));
}

// A colour from dark blue (0) to the lit cyan (27).
QColor Ramp(int i) {
  const QColor from = QColor::fromRgb(kPanel);
  const QColor to = QColor::fromRgb(kLit);
  const auto mix = [i](int a, int b) { return a + (b - a) * i / (kFrameCount - 1); };
  return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                mix(from.blue(), to.blue()));
}

// volume.bmp: 28 frames, filled from the left as the volume grows.
QImage Volume() {
  QImage sheet = Blank(File::Volume);
  QPainter p(&sheet);
  for (int i = 0; i < kFrameCount; ++i) {
    const QRect frame(0, i * kFrameStep, 68, 13);
    Trough(p, frame);
    const int filled = (66 * i + 13) / (kFrameCount - 1);
    p.fillRect(1, frame.y() + 4, filled, 5, Ramp(i));
  }
  SliderKnobs(p);
  return sheet;
}

// balance.bmp: 28 frames at x 9, filled from the centre out as the balance
// leaves it.
QImage Balance() {
  QImage sheet = Blank(File::Balance);
  QPainter p(&sheet);
  for (int i = 0; i < kFrameCount; ++i) {
    const QRect frame(9, i * kFrameStep, 38, 13);
    Trough(p, frame);
    const int half = (18 * i + 13) / (kFrameCount - 1);
    p.fillRect(frame.x() + 18 - half, frame.y() + 4, 2 * half + 2, 5, Ramp(i));
  }
  SliderKnobs(p);
  return sheet;
}

// monoster.bmp: the stereo and mono lamps, lit and unlit.
QImage MonoSter() {
  QImage sheet = Blank(File::MonoSter);
  {
    QPainter p(&sheet);
    for (const QRect r :
         {QRect(0, 0, 29, 12), QRect(0, 12, 29, 12), QRect(29, 0, 27, 12), QRect(29, 12, 27, 12)}) {
      p.fillRect(r, QColor::fromRgb(kScreen));
    }
  }
  DrawCentredLabel(sheet, "STEREO", {0, 0, 29, 12}, kLit);
  DrawCentredLabel(sheet, "STEREO", {0, 12, 29, 12}, kGhost);
  DrawCentredLabel(sheet, "MONO", {29, 0, 27, 12}, kLit);
  DrawCentredLabel(sheet, "MONO", {29, 12, 27, 12}, kGhost);
  return sheet;
}

// playpaus.bmp: playing, paused and stopped marks, the strip shown when not
// playing, and the work lamp (playing normally, buffering).
QImage PlayPaus() {
  QImage sheet = Blank(File::PlayPaus);
  QPainter p(&sheet);
  p.fillRect(sheet.rect(), QColor::fromRgb(kScreen));
  TriangleRight(p, {3, 1}, 7, QColor::fromRgb(kLit));
  p.fillRect(11, 2, 2, 5, QColor::fromRgb(kInk));
  p.fillRect(14, 2, 2, 5, QColor::fromRgb(kInk));
  p.fillRect(20, 2, 5, 5, QColor::fromRgb(kInk));
  p.fillRect(37, 1, 1, 7, QColor::fromRgb(kLit));
  p.fillRect(40, 1, 1, 7, QColor::fromRgb(kAmber));
  return sheet;
}

// numbers.bmp and nums_ex.bmp: seven-segment digits, a blank cell and (in
// nums_ex.bmp) a minus. The middle bar of "2" is numbers.bmp's minus, the
// unlit middle of "1" its "no minus".
QImage Digits(File file) {
  // Segments a..g of a 9 x 13 cell.
  static constexpr QRect kSegments[7] = {{1, 0, 7, 2}, {6, 0, 2, 7}, {6, 5, 2, 8}, {1, 11, 7, 2},
                                         {1, 5, 2, 8}, {1, 0, 2, 7}, {1, 5, 7, 2}};
  static constexpr unsigned char kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                       0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  QImage sheet = Blank(file);
  QPainter p(&sheet);
  p.fillRect(sheet.rect(), QColor::fromRgb(kScreen));
  const int cells = sheet.width() / kDigitWidth;
  for (int cell = 0; cell < cells; ++cell) {
    const unsigned lit = cell < 10 ? kDigitSegments[cell] : cell == 11 ? 0x40 : 0;
    for (int s = 0; s < 7; ++s) {
      if (lit & (1u << s)) continue;
      p.fillRect(kSegments[s].translated(cell * kDigitWidth, 0), QColor::fromRgb(kGhost));
    }
    for (int s = 0; s < 7; ++s) {
      if (!(lit & (1u << s))) continue;
      p.fillRect(kSegments[s].translated(cell * kDigitWidth, 0), QColor::fromRgb(kLit));
    }
  }
  return sheet;
}

// shufrep.bmp: repeat, shuffle, EQ and PL; off, off pressed, on, on pressed.
QImage ShufRep() {
  QImage sheet = Blank(File::ShufRep);
  const struct {
    const char* label;
    QPoint off, offPressed, on, onPressed;
    QSize size;
  } toggles[] = {
      {"REP", {0, 0}, {0, 15}, {0, 30}, {0, 45}, {28, 15}},
      {"SHUF", {28, 0}, {28, 15}, {28, 30}, {28, 45}, {47, 15}},
      {"EQ", {0, 61}, {46, 61}, {0, 73}, {46, 73}, {23, 12}},
      {"PL", {23, 61}, {69, 61}, {23, 73}, {69, 73}, {23, 12}},
  };
  for (const auto& t : toggles) {
    const struct {
      QPoint at;
      bool pressed, on;
    } looks[] = {{t.off, false, false},
                 {t.offPressed, true, false},
                 {t.on, false, true},
                 {t.onPressed, true, true}};
    for (const auto& look : looks) {
      const QRect r(look.at, t.size);
      {
        QPainter p(&sheet);
        Bevel(p, r, look.pressed);
        // A lamp at the left: lit while on.
        p.fillRect(r.x() + 3, r.y() + r.height() / 2 - 1, 2, 3,
                   QColor::fromRgb(look.on ? kLit : kGhost));
      }
      DrawCentredLabel(sheet, t.label, r.adjusted(5, 0, 0, 0), look.on ? kLit : kInk, look.pressed);
    }
  }
  return sheet;
}

// text.bmp: the 5 x 6 letter grid in the format's layout.
QImage Text() {
  static constexpr const char* kRows[kTextRows][kTextColumns] = {
      {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",  "L", "M", "N", "O", "P",
       "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "\"", "@", "",  "",  " "},
      {"0", "1", "2", "3", "4",  "5", "6", "7", "8", "9", "…", ".", ":", "(", ")", "-",
       "'", "!", "_", "+", "\\", "/", "[", "]", "^", "&", "%", ",", "=", "$", "#"},
      {"Å", "Ö", "Ä", "?", "*"},
  };
  QImage sheet = Blank(File::Text);
  sheet.fill(kScreen);
  for (int row = 0; row < kTextRows; ++row) {
    for (int column = 0; column < kTextColumns; ++column) {
      const char* c = kRows[row][column];
      if (c == nullptr) continue;
      if (const Glyph* glyph = FindGlyph(c)) {
        DrawGlyph(sheet, *glyph, {column * kTextCellWidth, row * kTextCellHeight}, kLit);
      }
    }
  }
  return sheet;
}

QImage Draw(File file) {
  switch (file) {
    case File::Main:
      return {};
    case File::TitleBar:
      return TitleBarSheet();
    case File::CButtons:
      return CButtons();
    case File::PosBar:
      return PosBar();
    case File::Volume:
      return Volume();
    case File::Balance:
      return Balance();
    case File::MonoSter:
      return MonoSter();
    case File::PlayPaus:
      return PlayPaus();
    case File::Numbers:
    case File::NumsEx:
      return Digits(file);
    case File::ShufRep:
      return ShufRep();
    case File::Text:
      return Text();
  }
  return {};
}

}  // namespace

const QImage& BaseSheet(File file) {
  static const std::array<QImage, kFileCount> sheets = [] {
    std::array<QImage, kFileCount> drawn;
    for (int f = 0; f < kFileCount; ++f) drawn[size_t(f)] = Draw(File(f));
    return drawn;
  }();
  return sheets[size_t(file)];
}

}  // namespace kd::classic
