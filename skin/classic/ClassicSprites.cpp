#include "skin/classic/ClassicSprites.h"

#include <optional>
#include <vector>

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

constexpr Sprite TitleBar(int x, int y) {
  return {File::TitleBar, x, y, 9, 9};
}
constexpr Sprite kNone{File::Main, 0, 0, 0, 0};

// The transport row, the eject button and the repeat and shuffle switches:
// their looks lie stacked in one column of their file, each `h` rows below
// the one before: resting, pressed and, for a switch, lit and lit-pressed.
struct StackedButton {
  Command command;
  File file;
  int x, w, h;
  QPoint at;
  int light;  // the light that says a switch is on; 0 for a plain button
  char key;
  const char* tip;  // UTF-8

  constexpr Sprite look(int n) const { return {file, x, n * h, w, h}; }
  constexpr QRect place() const { return {at, QSize(w, h)}; }
};

// In the order their resting looks are drawn: shuffle lies over repeat's last column.
// clang-format off
constexpr std::array<StackedButton, 8> kStackedButtons{{
  // command                 file             x    w   h   at          light key  tip
  {Command::PreviousEntry,   File::CButtons,   0, 23, 18, {16, 88},    0,   'Z', "上一首 Previous (Z)"},
  {Command::Play,            File::CButtons,  23, 23, 18, {39, 88},    0,   'X', "播放 Play (X)"},
  {Command::Pause,           File::CButtons,  46, 23, 18, {62, 88},    0,   'C', "暂停 Pause (C)"},
  {Command::Stop,            File::CButtons,  69, 23, 18, {85, 88},    0,   'V', "停止 Stop (V)"},
  {Command::NextEntry,       File::CButtons,  92, 22, 18, {108, 88},   0,   'B', "下一首 Next (B)"},
  {Command::OpenAndPlay,     File::CButtons, 114, 22, 16, {136, 89},   0,   'O', "打开文件 Open (O)"},
  {Command::ToggleRepeat,    File::ShufRep,    0, 28, 15, {210, 89},  13,   'R', "单曲循环 Repeat (R)"},
  {Command::ToggleShuffle,   File::ShufRep,   28, 47, 15, {164, 89},  16,   'U', "随机播放 Shuffle (U)"},
}};
// clang-format on

// The face below the stacked buttons' resting looks.
constexpr std::array<Placed, 11> kFixedFace{{
    {kTitleBarActive, {0, 0}},
    {kClutterBar, kClutterBarAt},
    {kIdleStrip, {24, 28}},
    {kStoppedMark, {26, 28}},
    {kMonoUnlit, kMonoAt},
    {kStereoUnlit, kStereoAt},
    {kVolumeFrame0, kVolumeAt},
    {kBalanceFrame0, kBalanceAt},
    {kEqOff, kEqAt},
    {kPlaylistOn, kPlaylistAt},
    {kSeekBar, kSeekBarAt},
}};

// The buttons whose resting look is part of another picture.
constexpr std::array<Button, 4> kFixedButtons{{
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
// is stereo, light 19 mono. The switches' lights follow.
constexpr std::array<LightSprite, 4> kFixedLights{{
    {2, kStatusPlace, {{kWorkLamp, {0, 0}}, {kPlayingMark, {3, 0}}}},
    {3, kStatusPlace, {{kIdleStrip, {0, 0}}, {kPausedMark, {2, 0}}}},
    {1, {kStereoAt, kStereoLit.size()}, {{kStereoLit, {0, 0}}, {kNone, {}}}},
    {19, {kMonoAt, kMonoLit.size()}, {{kMonoLit, {0, 0}}, {kNone, {}}}},
}};

// The rows of `fixed`, then what `derive` makes of each stacked button it
// makes something of.
template <typename Row, size_t N, typename Derive>
std::vector<Row> WithStackedButtons(const std::array<Row, N>& fixed, Derive derive) {
  std::vector<Row> rows(fixed.begin(), fixed.end());
  for (const StackedButton& button : kStackedButtons) {
    if (const std::optional<Row> row = derive(button)) rows.push_back(*row);
  }
  return rows;
}

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
  static const std::vector<Placed> face =
      WithStackedButtons(kFixedFace, [](const StackedButton& button) {
        return std::optional<Placed>({button.look(0), button.at});
      });
  return face;
}

std::span<const Button> Buttons() {
  static const std::vector<Button> buttons =
      WithStackedButtons(kFixedButtons, [](const StackedButton& b) {
        const Sprite pressedOn = b.light != 0 ? b.look(3) : kNone;
        return std::optional<Button>(
            {b.command, b.place(), b.look(1), pressedOn, b.light, b.key, b.tip});
      });
  return buttons;
}

std::span<const LightSprite> LightSprites() {
  static const std::vector<LightSprite> lights =
      WithStackedButtons(kFixedLights, [](const StackedButton& b) -> std::optional<LightSprite> {
        if (b.light == 0) return std::nullopt;
        return LightSprite{b.light, b.place(), {{b.look(2), {0, 0}}, {kNone, {}}}};
      });
  return lights;
}

std::span<const TextCellMove> TextCellMoves() {
  return kTextMoves;
}

}  // namespace kd::classic
