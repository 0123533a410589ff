#include "SkinLayout.h"

#include <cmath>
#include <numbers>

#include "Palette.h"
#include "core/Commands.h"

namespace kd::skingen {

namespace {

using namespace palette;

ButtonSpec Button(Command command, QRect rect, const QString& key, const QString& tip,
                  ButtonStyle style, Glyph glyph, const QString& text = {}) {
  ButtonSpec b;
  b.command = static_cast<int>(command);
  b.rect = rect;
  b.key = key;
  b.tip = tip;
  b.style = style;
  b.glyph = glyph;
  b.text = text;
  return b;
}

LabelSpec Label(int index, QRect rect, QColor colour, int size, const QString& tip,
                const QString& sample) {
  return LabelSpec{index, rect, colour, size, kUiFace, tip, sample};
}

LightSpec Light(int index, QRect rect, QColor colour, int shape, const QString& tip) {
  return LightSpec{index, rect, colour, shape, tip};
}

SliderSpec Slider(int index, QPoint origin, int travel, QSize knob, KnobStyle style,
                  const QString& tip) {
  SliderSpec s;
  s.index = index;
  s.origin = origin;
  s.travel = travel;
  s.knob = knob;
  s.style = style;
  s.tip = tip;
  return s;
}

CaptionSpec Caption(QRect rect, const QString& text, QColor colour, int pixelSize,
                    bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  return CaptionSpec{rect, text, colour, pixelSize, bold, align};
}

// The top bar: it is also the whole window in the mini size, so it carries
// the time, the title and the basic transport on its own.
void AddTopBar(SkinLayout& l) {
  const int y = 9;
  l.buttons += Button(Command::PreviousEntry, {248, y, 26, 26}, "Z", "上一首 Previous (Z)",
                      ButtonStyle::Transport, Glyph::Prev);
  l.buttons += Button(Command::Play, {276, y, 26, 26}, "X", "播放 Play (X)", ButtonStyle::Transport,
                      Glyph::Play);
  l.buttons += Button(Command::Pause, {304, y, 26, 26}, "C", "暂停 Pause (C)",
                      ButtonStyle::Transport, Glyph::Pause);
  l.buttons += Button(Command::Stop, {332, y, 26, 26}, "V", "停止 Stop (V)", ButtonStyle::Transport,
                      Glyph::Stop);
  l.buttons += Button(Command::NextEntry, {360, y, 26, 26}, "B", "下一首 Next (B)",
                      ButtonStyle::Transport, Glyph::Next);

  l.buttons += Button(Command::Hide, {394, 7, 18, 14}, "H", "隐藏到托盘 Hide (H)",
                      ButtonStyle::Window, Glyph::Hide);
  l.buttons += Button(Command::Quit, {414, 7, 18, 14}, "Q", "退出 Quit (Q)",
                      ButtonStyle::WindowClose, Glyph::Quit);
  l.buttons += Button(Command::ToggleSmall, {394, 23, 18, 14}, "N", "迷你模式 Mini player (N)",
                      ButtonStyle::Window, Glyph::Mini);
  l.buttons +=
      Button(Command::ToggleHalf, {414, 23, 18, 14}, "L", "显示/隐藏播放列表 Show playlist (L)",
             ButtonStyle::Window, Glyph::PlaylistToggle);

  l.lights += Light(2, {283, 38, 12, 3}, kGreen, 0, "播放中 Playing");
  l.lights += Light(3, {311, 38, 12, 3}, kAmber, 0, "已暂停 Paused");

  l.displays += DisplaySpec{1, {16, 12}, FontId::BigDigits, 0, 0, "播放时间 Time"};
  l.displays += DisplaySpec{6, {86, 10}, FontId::Letters, 21, 0, "曲目标题 Title"};

  l.labels += Label(10, {86, 24, 22, 12}, kTextDim, 7, "比特率 Bitrate (kbps)", "128");
  l.captions += Caption({108, 24, 24, 12}, "kbps", kTextFaint, 9);
  l.labels += Label(11, {134, 24, 16, 12}, kTextDim, 7, "采样率 Sample rate (kHz)", "44");
  l.captions += Caption({150, 24, 20, 12}, "kHz", kTextFaint, 9);
  l.labels += Label(12, {174, 24, 50, 12}, kTextDim, 7, "声道模式 Channels", "jstereo");
  l.lights += Light(1, {227, 28, 8, 5}, kAccent, 2, "立体声 Stereo");
}

void AddTrackPanel(SkinLayout& l) {
  l.cover = CoverSpec{{14, 54, 104, 104}, "专辑封面 Cover"};

  l.labels +=
      Label(2, {136, 56, 284, 20}, kText, 11, "曲目标题 - 点击查看信息 Title (click for info)",
            "夜空中最亮的星 - Kavoro Band");
  // Played time and length. The played time is the label a click switches
  // between elapsed and remaining time; the player aligns it to the right.
  l.labels += Label(1, {136, 78, 40, 14}, kAccent, 8,
                    "播放时间 - 点击切换剩余时间 Time (click: remaining)", "3:25");
  l.labels += Label(13, {184, 78, 44, 14}, kTextDim, 8, "曲目长度 Length", "4:12");
  l.labels += Label(26, {236, 78, 60, 14}, kTextFaint, 8, "~", "Media");

  l.captions += Caption({136, 96, 30, 10}, "TRACK", kTextFaint, 8, true);
  l.captions += Caption({176, 96, 30, 10}, "KBPS", kTextFaint, 8, true);
  l.captions += Caption({216, 96, 30, 10}, "KHZ", kTextFaint, 8, true);
  l.displays += DisplaySpec{2, {136, 108}, FontId::SmallDigits, -3, 0, "曲目序号 Track number"};
  l.displays += DisplaySpec{4, {176, 108}, FontId::SmallDigits, -3, 0, "比特率 Bitrate (kbps)"};
  l.displays += DisplaySpec{5, {216, 108}, FontId::SmallDigits, -2, 0, "采样率 Sample rate (kHz)"};

  l.displays += DisplaySpec{3, {330, 106}, FontId::BigDigits, 1, 0, "时钟 Clock"};
  l.labels += Label(9, {388, 104, 36, 12}, kAccent, 7, "上午/下午 AM/PM", "PM");
  l.labels += Label(7, {388, 118, 36, 12}, kTextDim, 7, "星期 Day", "Sat");
}

// The play-mode pills, each with its light beside it and a glow bar below.
void AddModes(SkinLayout& l) {
  struct Mode {
    Command command;
    const char* key;
    const char* tip;
    const char* text;
    int led;
    int bar;
  };
  const Mode modes[] = {
      {Command::ToggleIntro, "T", "前奏扫描 Intro scan (T)", "前奏", 5, 11},
      {Command::ToggleStopAfterEach, "Y", "播完即停 Stop after each track (Y)", "单停", 6, 12},
      {Command::ToggleRepeat, "R", "单曲循环 Repeat (R)", "循环", 7, 13},
      {Command::ToggleShuffle, "U", "随机播放 Shuffle (U)", "随机", 9, 10},
  };
  const char* const ledTips[] = {"前奏扫描 Intro", "播完即停 Stop after", "单曲循环 Repeat",
                                 "随机播放 Shuffle"};
  int i = 0;
  for (const Mode& m : modes) {
    const int x0 = 128 + i * 52;
    l.buttons += Button(m.command, {x0 + 10, 142, 40, 18}, m.key, m.tip, ButtonStyle::Toggle,
                        Glyph::None, QString::fromUtf8(m.text));
    l.lights += Light(m.led, {x0 + 1, 148, 6, 6}, kAccent, 3, ledTips[i]);
    l.lights += Light(m.bar, {x0 + 16, 161, 28, 2}, kAccent, 0, ledTips[i]);
    ++i;
  }
  l.buttons += Button(Command::SetRepeatPoint, {346, 142, 38, 18}, "1",
                      "A-B 复读: 设置A点 Set A (1)", ButtonStyle::Toggle, Glyph::None, "A 点");
  l.buttons += Button(Command::SetRepeatEnd, {386, 142, 38, 18}, "2", "A-B 复读: 设置B点 Set B (2)",
                      ButtonStyle::Toggle, Glyph::None, "B 点");
  l.lights += Light(8, {337, 148, 6, 6}, kAmber, 3, "A-B 复读 A-B repeat");
  l.lights += Light(14, {352, 161, 66, 2}, kAmber, 0, "A-B 复读 A-B repeat");
}

void AddControls(SkinLayout& l) {
  l.sliders += Slider(1, {14, 167}, 396, {16, 12}, KnobStyle::Position, "播放进度 Position");

  l.buttons += Button(Command::SkipBack, {16, 196, 30, 30}, "[", "后退10秒 Back 10 s ([)",
                      ButtonStyle::Round, Glyph::Rewind);
  // The only button without a key letter: an empty key field is the space bar.
  l.buttons += Button(Command::PlayPause, {52, 188, 46, 46}, "",
                      "播放/暂停 Play/Pause (空格 Space)", ButtonStyle::Hero, Glyph::PlayPause);
  l.buttons += Button(Command::SkipForward, {104, 196, 30, 30}, "]", "前进10秒 Forward 10 s (])",
                      ButtonStyle::Round, Glyph::Forward);
  l.lights += Light(4, {63, 238, 24, 4}, kGreen, 4, "播放中 Playing");

  // Volume row.
  l.captions += Caption({146, 185, 26, 11}, "音量", kTextDim, 10);
  l.captions += Caption({146, 196, 26, 9}, "VOL", kTextFaint, 8, true);
  l.buttons += Button(Command::ToggleMute, {174, 186, 20, 18}, "M", "静音 Mute (M)",
                      ButtonStyle::Step, Glyph::Speaker);
  l.lights += Light(17, {195, 186, 6, 6}, kRed, 3, "静音 Muted");
  l.buttons += Button(Command::VolumeDown, {204, 188, 14, 14}, "-", "音量减小 Volume down (-)",
                      ButtonStyle::Step, Glyph::Minus);
  l.sliders += Slider(2, {222, 188}, 110, {10, 14}, KnobStyle::Small, "音量 Volume");
  l.buttons += Button(Command::VolumeUp, {346, 188, 14, 14}, "=", "音量增大 Volume up (=)",
                      ButtonStyle::Step, Glyph::Plus);
  l.labels += Label(18, {364, 187, 34, 16}, kText, 8, "音量 Volume %", " 75");
  l.sliders += Slider(4, {222, 206}, 120, {120, 3}, KnobStyle::Bar, "音量 Volume");

  // Balance and rate row.
  l.captions += Caption({146, 211, 26, 11}, "平衡", kTextDim, 10);
  l.captions += Caption({146, 222, 26, 9}, "BAL", kTextFaint, 8, true);
  l.sliders += Slider(3, {174, 214}, 50, {10, 14}, KnobStyle::Small,
                      "平衡 Balance (双击居中 double-click: centre)");
  l.labels += Label(25, {238, 213, 66, 16}, kTextDim, 8, "平衡 Balance", "Centre");
  l.captions += Caption({306, 211, 26, 11}, "速度", kTextDim, 10);
  l.captions += Caption({306, 222, 26, 9}, "RATE", kTextFaint, 8, true);
  l.sliders += Slider(5, {334, 214}, 50, {10, 14}, KnobStyle::Small,
                      "播放速度 Rate (双击复原 double-click: normal)");
  l.labels += Label(24, {396, 213, 34, 16}, kTextDim, 8, "播放速度 Rate", "100%");
}

// A row of small tiles for the commands that open windows and dialogs.
void AddTools(SkinLayout& l) {
  struct Tool {
    Command command;
    const char* key;
    const char* tip;
    Glyph glyph;
  };
  const Tool tools[] = {
      {Command::OpenAndPlay, "O", "打开文件 Open (O)", Glyph::Open},
      {Command::ShowInfo, "I", "曲目信息 Track info (I)", Glyph::Info},
      {Command::ShowPrefs, "P", "设置 Preferences (P)", Glyph::Prefs},
      {Command::SelectSkin, "S", "更换界面 Skin (S)", Glyph::Skin},
      {Command::ShowMixer, "0", "系统混音器 Mixer (0)", Glyph::Mixer},
      {Command::ToggleCoverWindow, "3", "封面窗口 Cover window (3)", Glyph::Cover},
      {Command::ShowPlaylistBrowser, "4", "播放列表浏览器 Playlist browser (4)", Glyph::Browser},
  };
  int i = 0;
  for (const Tool& t : tools) {
    l.buttons += Button(t.command, {146 + i * 30, 234, 26, 18}, t.key, QString::fromUtf8(t.tip),
                        ButtonStyle::Utility, t.glyph);
    ++i;
  }
  l.captions += Caption({358, 234, 68, 18}, "kavorodeck", kTextFaint, 11, true,
                        Qt::AlignRight | Qt::AlignVCenter);
}

void AddPlaylist(SkinLayout& l) {
  l.captions += Caption({16, 261, 60, 18}, "播放列表", kAccent, 13, true);
  l.captions += Caption({76, 263, 60, 16}, "PLAYLIST", kTextFaint, 9, true);
  l.labels += Label(14, {140, 262, 180, 16}, kText, 9, "播放列表名称 Playlist", "我的收藏");
  l.captions +=
      Caption({330, 262, 34, 16}, "曲目", kTextFaint, 11, false, Qt::AlignRight | Qt::AlignVCenter);
  l.labels += Label(16, {368, 262, 56, 16}, kAccent, 9, "曲目数 Entries", "128");

  l.playlist = PlaylistSpec{{16, 286, 408, 144},
                            QColor(206, 214, 226),
                            kScreen,
                            9,
                            kUiFace,
                            "播放列表 (双击播放) Playlist (double-click to play)"};

  struct Action {
    Command command;
    const char* key;
    const char* tip;
    const char* text;
  };
  const Action actions[] = {
      {Command::AddFile, "A", "添加文件 Add file (A)", "+ 文件"},
      {Command::AddFolder, "F", "添加文件夹 Add folder (F)", "+ 目录"},
      {Command::RemoveSelected, "D", "删除所选 Remove selected (D)", "删除"},
      {Command::MoveUp, "K", "上移 Move up (K)", "上移"},
      {Command::MoveDown, "J", "下移 Move down (J)", "下移"},
      {Command::ClearPlaylist, "E", "清空列表 Clear playlist (E)", "清空"},
      {Command::LoadPlaylist, "G", "载入播放列表 Load playlist (G)", "载入"},
      {Command::SavePlaylist, "W", "保存播放列表 Save playlist (W)", "保存"},
  };
  int i = 0;
  for (const Action& a : actions) {
    l.buttons += Button(a.command, {16 + i * 51, 438, 47, 18}, a.key, QString::fromUtf8(a.tip),
                        ButtonStyle::ListAction, Glyph::None, QString::fromUtf8(a.text));
    ++i;
  }

  l.labels += Label(6, {18, 461, 150, 14}, kTextDim, 8, "日期 Date", "Sat Mar  15, 2003");
  l.captions +=
      Caption({226, 461, 40, 14}, "睡眠", kTextFaint, 11, false, Qt::AlignRight | Qt::AlignVCenter);
  l.labels += Label(5, {270, 461, 50, 14}, kAmber, 8, "睡眠定时 Sleep timer", "30");
  l.captions +=
      Caption({322, 461, 34, 14}, "时间", kTextFaint, 11, false, Qt::AlignRight | Qt::AlignVCenter);
  l.labels += Label(3, {360, 461, 62, 14}, kTextDim, 8, "时间 Clock", "21:07");
}

void AddFonts(SkinLayout& l) {
  GlyphFont big;
  big.id = FontId::BigDigits;
  big.kind = 0;
  big.cell = {12, 20};
  big.narrow = 6;
  big.ink = kAccent;
  big.paper = kScreen;
  GlyphFont small = big;
  small.id = FontId::SmallDigits;
  small.cell = {8, 12};
  small.narrow = 4;
  small.ink = kText;
  GlyphFont letters = big;
  letters.id = FontId::Letters;
  letters.kind = 3;
  letters.cell = {7, 11};
  letters.narrow = 0;
  letters.ink = kText;
  l.fonts = {big, small, letters};
}

}  // namespace

QSize GlyphFont::sheetSize() const {
  if (kind == 3) return {cell.width() * 30, cell.height() * 3};
  return {cell.width() * 13, cell.height()};
}

QRect SliderSpec::groove() const {
  if (style == KnobStyle::Bar) return {};
  const int thickness = 4;
  const int y = origin.y() + (knob.height() - thickness) / 2;
  return {origin.x(), y, travel + knob.width(), thickness};
}

const GlyphFont& SkinLayout::font(FontId id) const {
  for (const GlyphFont& f : fonts)
    if (f.id == id) return f;
  return fonts.front();
}

GlyphFont& SkinLayout::font(FontId id) {
  for (GlyphFont& f : fonts)
    if (f.id == id) return f;
  return fonts.front();
}

const ButtonSpec* SkinLayout::button(int command) const {
  for (const ButtonSpec& b : buttons)
    if (b.command == command) return &b;
  return nullptr;
}

const SliderSpec* SkinLayout::slider(int index) const {
  for (const SliderSpec& s : sliders)
    if (s.index == index) return &s;
  return nullptr;
}

QVector<QPoint> RoundedOutline(QSize size, int radius, int segments) {
  // Corner centres, clockwise from the top-left; each arc runs over 90 degrees.
  const int w = size.width();
  const int h = size.height();
  const QPointF centres[] = {{double(radius), double(radius)},
                             {double(w - radius), double(radius)},
                             {double(w - radius), double(h - radius)},
                             {double(radius), double(h - radius)}};
  const double startAngles[] = {180.0, 270.0, 0.0, 90.0};
  QVector<QPoint> points;
  for (int c = 0; c < 4; ++c) {
    for (int s = 0; s <= segments; ++s) {
      const double a = (startAngles[c] + 90.0 * s / segments) * std::numbers::pi / 180.0;
      points += QPoint(int(std::lround(centres[c].x() + radius * std::cos(a))),
                       int(std::lround(centres[c].y() + radius * std::sin(a))));
    }
  }
  return points;
}

SkinLayout DefaultLayout() {
  SkinLayout l;
  l.full = {geometry::kWidth, geometry::kFullHeight};
  l.noPlaylist = {geometry::kWidth, geometry::kDeckBottom};
  l.strip = {geometry::kWidth, geometry::kStripHeight};
  l.hoverStyle = 2;
  l.background = palette::kDeckBottom;
  AddFonts(l);
  AddTopBar(l);
  AddTrackPanel(l);
  AddModes(l);
  AddControls(l);
  AddTools(l);
  AddPlaylist(l);
  l.outline = RoundedOutline(l.full, l.cornerRadius, 5);
  return l;
}

}  // namespace kd::skingen
