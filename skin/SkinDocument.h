#pragma once
// Everything one skin load produces, as plain data. The skinned window applies
// it without knowing the file format:
//
//  - outcome Loaded: hide every element, size the window to sizes[0], show
//    the elements defined here, set the pictures that are not null (a null
//    picture keeps what the window showed before), set or clear the shape,
//    store the settings values that are set, remember `skinFolder`, then
//    show `messages` in order.
//  - any other outcome: show `messages` (one text) and change nothing but
//    the remembered skin folder.
//
// Pools are indexed like the window's elements; index 0 and indexes a skin
// does not define hold std::nullopt. Pressed-image points of buttons a skin
// does not define keep what an earlier skin gave them: the window holds those
// across loads and overwrites only the defined ones. Their key characters do
// not carry over: a button the skin omits answers no key.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "skin/DisplayDef.h"

namespace kd {

inline constexpr int kSkinButtonCount = 120;  // buttons 1..120 (101..120 from links)
inline constexpr int kSkinLinkCount = 20;     // links 1..20
inline constexpr int kSkinLabelCount = 50;
inline constexpr int kSkinDisplayCount = 6;
inline constexpr int kSkinSliderCount = 5;
inline constexpr int kSkinLightCount = 19;  // 1..18 from .skin files, 19 the mono lamp

enum class SkinLoadOutcome {
  Loaded,
  NotFound,       // "Skin not found!..."
  ForeignSkin,    // "This skin is designed for Tarvo Only!"
  InvalidHeader,  // "Invalid Skin!"
};

struct SkinButton {
  QRect rect;
  QPoint press;  // top-left corner of the pressed image in the resource bitmap
  QChar key;     // keyboard letter; a blank (the space bar) when the skin gives none
  QString tip;
  // A button with an on and an off look (classic skins' shuffle and repeat):
  // while light `onWithLight` is lit its pressed image lies at `pressWhenOn`.
  // 0: one pressed image only.
  int onWithLight = 0;
  QPoint pressWhenOn;
};

struct SkinLabel {
  QRect rect;
  QRgb colour = 0;
  int pointSize = 0;  // 0: keep the label's current size
  QString face;       // the requested face; see SkinFonts.h for the fallback
  bool bold = false;
  bool italic = false;
  bool underline = false;
  QString tip;
};

struct SkinDisplay {
  DisplayDef def;
  QRect anchor;  // origin of the cells; its size follows the format
  QString tip;
};

// Background frames that follow a slider's knob (classic skins' volume and
// balance): the frame for knob offset p (0..travel) is copied from the
// resource bitmap to `place` on the window whenever the knob moves. Frame i
// lies at first + (0, i * step). A centred slider counts from the middle of
// its track outwards: frame 0 at the centre, the last frame at either end.
struct SliderFrames {
  QRect place;
  QPoint first;
  int step = 0;
  int count = 0;
  bool centred = false;
};

// The frame of `frames` shown for knob offset `p` on a track of `travel`
// pixels: evenly spread and rounded, 0 at the start (or centre) and
// count - 1 at the end (or either end).
int SliderFrameIndex(const SliderFrames& frames, int p, int travel);

struct SliderDef {
  int16_t X = 0;  // start of the track: the knob's left or top edge at one end
  int16_t Y = 0;
  int16_t W = 0;   // horizontal travel (a slider with H 0 is horizontal)
  int16_t H = 0;   // vertical travel
  int16_t SX = 0;  // knob image in the resource bitmap
  int16_t SY = 0;
  int16_t KW = 0;  // knob size
  int16_t KH = 0;
  int16_t KnobPos = 0;  // last applied knob coordinate or size; a load resets it
};

struct SkinSlider {
  SliderDef def;
  QString tip;
  // The KW x KH block of the resource bitmap at (SX, SY) as it was when the
  // record was read; never larger than that bitmap (null without one). The
  // slider's value is not part of a skin and survives the load.
  QImage knob;
  std::optional<SliderFrames> frames;
};

enum class LightShape : int16_t {
  Rectangle = 0,
  Square = 1,
  Oval = 2,
  Circle = 3,
  RoundedRectangle = 4,
  RoundedSquare = 5,
};

// A light is placed by the skin and shown by the player's flags; a load
// leaves every light hidden.
struct SkinLight {
  QRect rect;
  QRgb colour = 0;
  LightShape shape = LightShape::Rectangle;
  // A light drawn as a picture instead of a shape: the block of the resource
  // bitmap of the light's size at this point (classic skins' status sprites).
  std::optional<QPoint> sprite;
};

struct SkinPlaylistBox {
  QRect rect;
  QRgb textColour = 0;
  QRgb background = 0;
  int pointSize = 0;  // 0: keep the box's current size
  QString face;       // not bold, no style letters
  QString tip;
  std::optional<QRgb> selectionBackground;  // nullopt: the style's own
};

struct SkinCover {
  QRect rect;
  QString tip;
};

struct SkinDocument {
  SkinLoadOutcome outcome = SkinLoadOutcome::NotFound;
  // Messages in the order they arise; each is one message box.
  QStringList messages;

  QString fullPath;    // the skin file
  QString baseFolder;  // where bitmap names are looked up (the import folder for import skins)
  // The folder to remember as "the skin loaded last" (unchanged when not found).
  QString skinFolder;
  // New values of the settings; nullopt leaves a setting as it is.
  std::optional<QString> skinSetting;
  std::optional<QString> skinImportSetting;

  QString info;                  // the skin information, "/" records appended after "\n"
  std::array<QSize, 3> sizes{};  // normal, alternate, small (pixels)

  QImage mainBitmap;      // null: keep the picture the window shows
  QImage resourceBitmap;  // null: keep the previous resource bitmap

  int16_t hoverStyle = 0;  // of buttons under the pointer: 0 none, 1 border, 2 pressed image
  int32_t anchorCode = 0;  // read, not applied by the load
  QRgb background = 0;

  std::array<std::optional<SkinButton>, kSkinButtonCount + 1> buttons;
  std::array<QString, kSkinLinkCount + 1> links;  // SkinLinks; "" where undefined
  std::array<std::optional<SkinLabel>, kSkinLabelCount + 1> labels;
  std::array<std::optional<SkinDisplay>, kSkinDisplayCount + 1> displays;
  std::array<std::optional<SkinSlider>, kSkinSliderCount + 1> sliders;
  std::array<std::optional<SkinLight>, kSkinLightCount + 1> lights;
  std::optional<SkinPlaylistBox> playlistBox;
  std::optional<SkinCover> cover;

  // nullopt: the window is the rectangle of its size.
  std::optional<QRegion> windowShape;

  // Key fields refused for their index, in file order (also in the last message).
  QStringList rejectedKeys;
  // Set when any record was refused, listed or not (buttons above 120, links above 20).
  bool anyRejected = false;
  // The key of a record cut short by the end of the file; it was not applied.
  QString incompleteRecord;
};

}  // namespace kd
