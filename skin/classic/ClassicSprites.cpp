#include "skin/classic/ClassicSprites.h"

namespace kd::classic {

namespace {

struct FileFacts {
  const char* baseName;
  QSize usual;
};

constexpr std::array<FileFacts, kFileCount> kFiles{{
    {"main", {275, 116}},
    {"titlebar", {344, 87}},
    {"cbuttons", {136, 36}},
    {"posbar", {307, 10}},
    {"volume", {68, 433}},
    {"balance", {47, 433}},
    {"monoster", {56, 24}},
    {"playpaus", {42, 9}},
    {"numbers", {99, 13}},
    {"nums_ex", {108, 13}},
    {"shufrep", {92, 85}},
    {"text", {155, 18}},
}};

constexpr Sprite CButton(int x, int y, int w, int h) {
  return {File::CButtons, x, y, w, h};
}
constexpr Sprite TitleBar(int x, int y) {
  return {File::TitleBar, x, y, 9, 9};
}
constexpr Sprite kNone{File::Main, 0, 0, 0, 0};

// The transport row (cbuttons.bmp): previous, play, pause, stop, next at
// y 88, eject at 136,89.
constexpr std::array<Placed, 19> kFace{{
    {kTitleBarActive, {0, 0}},
    {kClutterBar, kClutterBarAt},
    {{File::PlayPaus, 27, 0, 2, 9}, {24, 28}},
    {kStoppedMark, {26, 28}},
    {kMonoUnlit, kMonoAt},
    {kStereoUnlit, kStereoAt},
    {kVolumeFrame0, kVolumeAt},
    {kBalanceFrame0, kBalanceAt},
    {kEqOff, kEqAt},
    {kPlaylistOn, kPlaylistAt},
    {kSeekBar, kSeekBarAt},
    {CButton(0, 0, 23, 18), {16, 88}},
    {CButton(23, 0, 23, 18), {39, 88}},
    {CButton(46, 0, 23, 18), {62, 88}},
    {CButton(69, 0, 23, 18), {85, 88}},
    {CButton(92, 0, 22, 18), {108, 88}},
    {CButton(114, 0, 22, 16), {136, 89}},
    {kRepeatOff, {210, 89}},
    {kShuffleOff, {164, 89}},
}};

constexpr std::array<Button, 12> kButtons{{
    {Command::PreviousEntry,
     {16, 88, 23, 18},
     CButton(0, 18, 23, 18),
     kNone,
     0,
     'Z',
     "上一首 Previous (Z)"},
    {Command::Play, {39, 88, 23, 18}, CButton(23, 18, 23, 18), kNone, 0, 'X', "播放 Play (X)"},
    {Command::Pause, {62, 88, 23, 18}, CButton(46, 18, 23, 18), kNone, 0, 'C', "暂停 Pause (C)"},
    {Command::Stop, {85, 88, 23, 18}, CButton(69, 18, 23, 18), kNone, 0, 'V', "停止 Stop (V)"},
    {Command::NextEntry,
     {108, 88, 22, 18},
     CButton(92, 18, 22, 18),
     kNone,
     0,
     'B',
     "下一首 Next (B)"},
    {Command::OpenAndPlay,
     {136, 89, 22, 16},
     CButton(114, 16, 22, 16),
     kNone,
     0,
     'O',
     "打开文件 Open (O)"},
    {Command::ToggleShuffle,
     {164, 89, 47, 15},
     {File::ShufRep, 28, 15, 47, 15},
     {File::ShufRep, 28, 45, 47, 15},
     16,
     'U',
     "随机播放 Shuffle (U)"},
    {Command::ToggleRepeat,
     {210, 89, 28, 15},
     {File::ShufRep, 0, 15, 28, 15},
     {File::ShufRep, 0, 45, 28, 15},
     13,
     'R',
     "单曲循环 Repeat (R)"},
    {Command::ToggleHalf,
     {242, 58, 23, 12},
     {File::ShufRep, 69, 73, 23, 12},
     kNone,
     0,
     'L',
     "显示/隐藏播放列表 Show playlist (L)"},
    {Command::Hide, {244, 3, 9, 9}, TitleBar(9, 9), kNone, 0, 'H', "隐藏到托盘 Hide (H)"},
    {Command::ToggleSmall,
     {254, 3, 9, 9},
     TitleBar(9, 18),
     kNone,
     0,
     'N',
     "迷你模式 Mini player (N)"},
    {Command::Quit, {264, 3, 9, 9}, TitleBar(18, 9), kNone, 0, 'Q', "退出 Quit (Q)"},
}};

// Light 2 shows while an item is loaded, light 3 while it is paused (and
// lies above light 2); the stopped look is the window's own picture. Light 1
// is stereo, light 19 mono.
constexpr std::array<LightSprite, 6> kLights{{
    {2, kStatusPlace, {{kWorkLamp, {0, 0}}, {kPlayingMark, {3, 0}}}},
    {3, kStatusPlace, {{kIdleStrip, {0, 0}}, {kPausedMark, {2, 0}}}},
    {1, {kStereoAt, kStereoLit.size()}, {{kStereoLit, {0, 0}}, {kNone, {}}}},
    {19, {kMonoAt, kMonoLit.size()}, {{kMonoLit, {0, 0}}, {kNone, {}}}},
    {13, {{210, 89}, kRepeatOn.size()}, {{kRepeatOn, {0, 0}}, {kNone, {}}}},
    {16, {{164, 89}, kShuffleOn.size()}, {{kShuffleOn, {0, 0}}, {kNone, {}}}},
}};

// text.bmp puts '"' at column 26 and the blank at 30 of row 0, '.' at 11,
// '=' at 28 and '#' at 30 of row 1; the engine's letter font has them at
// 27, 29, 26, 27 and 28.
constexpr std::array<TextCellMove, 5> kTextMoves{{
    {{26, 0}, {27, 0}},
    {{30, 0}, {29, 0}},
    {{11, 1}, {26, 1}},
    {{28, 1}, {27, 1}},
    {{30, 1}, {28, 1}},
}};

}  // namespace

const char* FileBaseName(File file) {
  return kFiles[size_t(file)].baseName;
}

QSize UsualSize(File file) {
  return kFiles[size_t(file)].usual;
}

std::span<const Placed> FaceSprites() {
  return kFace;
}

std::span<const Button> Buttons() {
  return kButtons;
}

std::span<const LightSprite> LightSprites() {
  return kLights;
}

std::span<const TextCellMove> TextCellMoves() {
  return kTextMoves;
}

}  // namespace kd::classic
