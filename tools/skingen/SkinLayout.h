#pragma once
// The default skin as data: every element the skin file declares, with the
// geometry the painters use. One table feeds the bitmaps, the skin file and
// the preview, so a button is always painted where its record puts it.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

namespace kd::skingen {

// How a button is painted (normal and lit looks).
enum class ButtonStyle {
  Transport,    // rounded square of the top bar
  Hero,         // the big round play/pause button
  Round,        // round seek buttons beside the hero
  Toggle,       // text pill of a play mode
  Utility,      // small icon tile
  Window,       // tiny title-bar button
  WindowClose,  // tiny title-bar button that turns red when lit
  Step,         // volume minus/plus and the mute speaker
  ListAction,   // text pill under the playlist
};

enum class Glyph {
  None,
  Prev,
  Play,
  Pause,
  Stop,
  Next,
  Rewind,
  Forward,
  PlayPause,
  Hide,
  Quit,
  Mini,
  PlaylistToggle,
  Open,
  Info,
  Prefs,
  Skin,
  Mixer,
  Cover,
  Browser,
  Speaker,
  Minus,
  Plus,
};

struct ButtonSpec {
  int command = 0;
  QRect rect;
  QString key;  // one character; "" gives the space key
  QString tip;
  ButtonStyle style = ButtonStyle::Utility;
  Glyph glyph = Glyph::None;
  QString text;    // text of text pills
  QPoint pressed;  // where the lit image lies in the resource bitmap
};

enum class FontId { BigDigits, SmallDigits, Letters };

// A bitmap font cut from the resource bitmap.
struct GlyphFont {
  FontId id = FontId::BigDigits;
  int kind = 0;  // 0 digit strip, 3 letter font
  QSize cell;
  int narrow = 0;  // drawn width of "." and ":" (digit strips)
  QColor ink;
  QColor paper;  // the colour of the panel the font is drawn on
  QPoint source;
  // Size of the whole sheet of cells.
  QSize sheetSize() const;
};

struct DisplaySpec {
  int index = 0;
  QPoint pos;
  FontId font = FontId::BigDigits;
  int format = 0;
  int spacing = 0;
  QString tip;
};

enum class KnobStyle { Position, Small, Bar };

struct SliderSpec {
  int index = 0;
  QPoint origin;  // the knob's top-left at value 0
  int travel = 0;
  QSize knob;
  KnobStyle style = KnobStyle::Small;
  QString tip;
  QPoint source;  // knob image in the resource bitmap
  // The groove the knob runs along (painted on the face); empty for the bar.
  QRect groove() const;
};

struct LabelSpec {
  int index = 0;
  QRect rect;
  QColor colour;
  int size = 9;  // points
  QString font;
  QString tip;
  QString sample;  // text the preview shows
};

struct LightSpec {
  int index = 0;
  QRect rect;
  QColor colour;
  int shape = 3;  // 0 rectangle .. 5 rounded square
  QString tip;
};

struct PlaylistSpec {
  QRect rect;
  QColor text;
  QColor background;
  int size = 9;
  QString font;
  QString tip;
};

struct CoverSpec {
  QRect rect;
  QString tip;
};

// A text painted on the face (captions of groups).
struct CaptionSpec {
  QRect rect;
  QString text;
  QColor colour;
  int pixelSize = 10;
  bool bold = false;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

struct SkinLayout {
  QSize full;
  QSize noPlaylist;
  QSize strip;
  int cornerRadius = 12;
  int hoverStyle = 2;
  QColor background;
  QVector<ButtonSpec> buttons;
  QVector<GlyphFont> fonts;
  QVector<DisplaySpec> displays;
  QVector<SliderSpec> sliders;
  QVector<LabelSpec> labels;
  QVector<LightSpec> lights;
  QVector<CaptionSpec> captions;
  PlaylistSpec playlist;
  CoverSpec cover;
  QVector<QPoint> outline;  // the window's outline, clockwise

  const GlyphFont& font(FontId id) const;
  GlyphFont& font(FontId id);
  const ButtonSpec* button(int command) const;
  const SliderSpec* slider(int index) const;
};

// Fixed panels of the face, shared by the painters.
namespace geometry {
inline constexpr int kWidth = 440;
inline constexpr int kFullHeight = 480;
inline constexpr int kStripHeight = 44;
inline constexpr int kDeckBottom = 256;
inline const QRect kScreen{8, 6, 232, 32};  // the top bar's dark screen
inline const QRect kLcd{128, 52, 300, 84};  // the track panel
inline const QRect kCoverFrame{12, 52, 108, 108};
inline const QRect kListWell{14, 284, 412, 148};
inline constexpr int kScreenDividerX = 78;
}  // namespace geometry

// The default skin.
SkinLayout DefaultLayout();

// Points of a rounded rectangle outline (corner arcs of `segments` steps).
QVector<QPoint> RoundedOutline(QSize size, int radius, int segments);

}  // namespace kd::skingen
