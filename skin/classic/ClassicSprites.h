#pragma once
// The sprite tables of classic 2.x skins as plain data: which bitmap files a
// skin has, where each sprite lies in its file, and where the main window
// (275 x 116) shows it. Everything the classic skin builder draws or cuts is
// named here, so a test can check every placement against the format.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <span>

#include "core/Commands.h"

namespace kd::classic {

enum class File : int {
  Main,
  TitleBar,
  CButtons,
  PosBar,
  Volume,
  Balance,
  MonoSter,
  PlayPaus,
  Numbers,
  NumsEx,
  ShufRep,
  Text,
};
inline constexpr int kFileCount = 12;

// The base name of a bitmap ("main" for main.bmp) and its usual size.
const char* FileBaseName(File file);
QSize UsualSize(File file);

// A rectangle of one bitmap file.
struct Sprite {
  File file;
  int x, y, w, h;
  constexpr QRect rect() const { return {x, y, w, h}; }
  constexpr QSize size() const { return {w, h}; }
};

inline constexpr QSize kMainSize{275, 116};

// Title bar and its buttons (titlebar.bmp).
inline constexpr Sprite kTitleBarActive{File::TitleBar, 27, 0, 275, 14};
inline constexpr Sprite kClutterBar{File::TitleBar, 304, 0, 8, 43};
inline constexpr QPoint kClutterBarAt{10, 22};

// Seek bar (posbar.bmp).
inline constexpr Sprite kSeekBar{File::PosBar, 0, 0, 248, 10};
inline constexpr QPoint kSeekBarAt{16, 72};
inline constexpr Sprite kSeekKnob{File::PosBar, 248, 0, 29, 10};

// Volume and balance: frame i lies `kFrameStep` rows below frame 0.
inline constexpr int kFrameStep = 15;
inline constexpr int kFrameCount = 28;
inline constexpr Sprite kVolumeFrame0{File::Volume, 0, 0, 68, 13};
inline constexpr Sprite kBalanceFrame0{File::Balance, 9, 0, 38, 13};
inline constexpr QPoint kVolumeAt{107, 57};
inline constexpr QPoint kBalanceAt{177, 57};
// The knob of both; a file cut above row 433 shortens it (height = file height - 422).
inline constexpr Sprite kSliderKnob{File::Volume, 15, 422, 14, 11};

// Mono and stereo lamps (monoster.bmp); mono is left of stereo.
inline constexpr Sprite kStereoLit{File::MonoSter, 0, 0, 29, 12};
inline constexpr Sprite kStereoUnlit{File::MonoSter, 0, 12, 29, 12};
inline constexpr Sprite kMonoLit{File::MonoSter, 29, 0, 27, 12};
inline constexpr Sprite kMonoUnlit{File::MonoSter, 29, 12, 27, 12};
inline constexpr QPoint kMonoAt{212, 41};
inline constexpr QPoint kStereoAt{239, 41};

// Play status (playpaus.bmp), 11 x 9 at 24,28, drawn from two pieces.
inline constexpr QRect kStatusPlace{24, 28, 11, 9};
inline constexpr Sprite kWorkLamp{File::PlayPaus, 36, 0, 3, 9};
inline constexpr Sprite kPlayingMark{File::PlayPaus, 1, 0, 8, 9};
inline constexpr Sprite kIdleStrip{File::PlayPaus, 27, 0, 2, 9};
inline constexpr Sprite kPausedMark{File::PlayPaus, 9, 0, 9, 9};
inline constexpr Sprite kStoppedMark{File::PlayPaus, 18, 0, 9, 9};

// The equaliser and playlist switches (shufrep.bmp, below shuffle and repeat).
inline constexpr Sprite kEqOff{File::ShufRep, 0, 61, 23, 12};
inline constexpr Sprite kPlaylistOn{File::ShufRep, 23, 73, 23, 12};
inline constexpr QPoint kEqAt{219, 58};
inline constexpr QPoint kPlaylistAt{242, 58};

// Time digits (numbers.bmp, or nums_ex.bmp when present): digit n at
// (9n, 0, 9, 13), the blank cell at 90. The colon is part of main.bmp.
inline constexpr int kDigitWidth = 9;
inline constexpr int kDigitHeight = 13;
inline constexpr int kBlankDigitX = 90;
inline constexpr QPoint kTimeAt{48, 26};  // minutes at 48, 60; seconds at 78, 90
inline constexpr int kTimeDigitGap = 3;   // between the digit cells
inline constexpr QRect kTimeColon{72, 26, 3, 13};

// The text font (text.bmp): 5 x 6 cells, 31 columns x 3 rows.
inline constexpr int kTextCellWidth = 5;
inline constexpr int kTextCellHeight = 6;
inline constexpr int kTextColumns = 31;
inline constexpr int kTextRows = 3;
inline constexpr QPoint kTitleAt{111, 27};
inline constexpr int kTitleCells = 30;
inline constexpr QPoint kBitrateAt{111, 43};     // 3 characters
inline constexpr QPoint kSampleRateAt{156, 43};  // 2 characters

// The sprites drawn onto the window's own picture, in drawing order: the
// title bar over main.bmp, then every control in its resting look.
struct Placed {
  Sprite sprite;
  QPoint at;
};
std::span<const Placed> FaceSprites();

// A button: its hot area, the command it runs, its pressed look, and for a
// button with an on and an off look the pressed look while on and the light
// that says whether it is on.
struct Button {
  Command command;
  QRect place;
  Sprite pressed;
  Sprite pressedOn;  // w 0: one pressed look only
  int onWithLight;
  char key;
  const char* tip;  // UTF-8
};
std::span<const Button> Buttons();

// A light drawn as a sprite: up to two pieces laid over the window's own
// picture at the light's place.
struct LightSprite {
  int light;  // the light's index: what it shows
  QRect place;
  Placed pieces[2];  // `at` relative to the place; a piece with w 0 is unused
};
std::span<const LightSprite> LightSprites();

// The place in the letter font of the engine (three rows of 31 cells) that
// a text.bmp cell (column, row) goes to; the cells whose characters the two
// layouts put in different places.
struct TextCellMove {
  QPoint from;  // column, row in text.bmp
  QPoint to;    // column, row in the engine's letter font
};
std::span<const TextCellMove> TextCellMoves();

}  // namespace kd::classic
