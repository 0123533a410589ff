#pragma once
// The skinned main window: a frameless top-level window whose size, bitmap,
// background colour, outline and elements come from the applied skin. The
// skin presenter drives its elements through SkinView, the cover shows
// through SkinCoverSink, and it reports what the user does through
// SkinWindowHandler.
//
// The element pools (120 buttons, 50 labels, 6 display anchors, 5 knobs, 18
// lights, the playlist box, the cover image, the pressed-button image) are
// made once; each skin load hides them all and shows what the skin defines.

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "mediainfo/SkinCoverSink.h"
#include "skin/SkinDocument.h"
#include "skin/SkinView.h"
#include "skin/widgets/DisplaySurface.h"
#include "skin/widgets/SliderGeometry.h"
#include "skin/widgets/WindowSnap.h"

namespace kd {

class CoverImage;
class DisplayAnchor;
class Playlist;
class PlaylistBox;
class PressedImage;
class ButtonZone;
class SkinKnob;
class IndicatorLight;
class SkinTextLabel;
class SkinWindowHandler;

class SkinWindow : public QWidget, public SkinView, public SkinCoverSink {
  Q_OBJECT
 public:
  explicit SkinWindow(QWidget* parent = nullptr);
  ~SkinWindow() override;

  // Reports go here; nullptr (the default) drops them.
  void setHandler(SkinWindowHandler* handler);
  // The playlist the playlist box shows.
  void setPlaylist(Playlist* playlist);

  // Settings the window reads: WinSnap (non-zero: snap after a drag),
  // TimeFmt (0 = 12-hour clock), ScrollName (1 = the title scrolls).
  void setWinSnap(int16_t winSnap) { m_winSnap = winSnap; }
  void setTimeFmt(int16_t timeFmt) { m_surface.setTimeFmt(timeFmt); }
  void setScrollName(int16_t scrollName) { m_surface.setScrollName(scrollName); }
  int16_t scrollStart() const { return m_surface.scrollStart(); }
  // The displays' clock and AM/PM texts (tests and tools set fixed ones).
  DisplaySurface& surface() { return m_surface; }

  // Applies one loaded skin: hides every element, sizes the window to the
  // skin's normal size kept on screen, sets colour, pictures, elements and
  // shape, resets the size toggles, repaints the displays, shows the lights
  // for the flags last given and places the knobs at their stored values. A
  // document whose load failed changes nothing. The displays are drawn again.
  void applySkin(const SkinDocument& doc);

  // The skin's three sizes: 0 normal, 1 alternate, 2 small. The window is
  // kept inside the work area at every size.
  void setSizeIndex(int index);
  QSize skinSize(int index) const;
  // The size toggles (alternateSize, isSmall), both 0 after a load.
  int16_t alternateSize() const { return m_alternateSize; }
  int16_t isSmall() const { return m_small; }
  void toggleAlternateSize();
  void toggleSmall();

  const QString& skinInfo() const { return m_skinInfo; }
  // Link k (1..20) of the loaded skin, "" when none.
  QString skinLink(int k) const;
  // Key letters of buttons 0..120: a blank for a defined button without one,
  // a null character for a button the current skin does not define.
  const std::array<QChar, kSkinButtonCount + 1>& keyMap() const { return m_keyMap; }
  // How buttons show the pointer (SkinDocument::hoverStyle) and the button
  // under it, 0 = none.
  int16_t hoverStyle() const { return m_hoverStyle; }
  int16_t hoveredButton() const { return m_hoveredButton; }

  // The pictures the window shows now (the loader cuts knobs from them and
  // a colour key of a skin without its own bitmap works on them).
  const QImage& windowBitmap() const { return m_surface.windowBitmap(); }
  const QImage& resourceBitmap() const { return m_surface.resourceBitmap(); }
  const QImage& backBuffer() const { return m_surface.backBuffer(); }

  // Redraws the clock display and label, then asks for every other display.
  void redrawDisplays();

  // Into or out of the always-on-top layer, keeping place and size; nothing
  // happens when the window already is where it is asked to be.
  void setOnTop(bool onTop);
  bool isOnTop() const;
  // Closes the window for good (the close request of the window manager is
  // only reported).
  void closeForShutdown();

  // Screen metrics the placement uses; by default those of the window's screen.
  void setScreenOverride(std::optional<QRect> available, std::optional<TwipScale> scale);
  // The work area the window is kept inside (logical pixels).
  QRect availableGeometry() const;

  // SkinView
  void setLabelText(int index, const QString& text) override;
  void drawDisplay(int index, double value) override;
  void drawDisplay(int index, const QString& text) override;
  bool titleScrolls(const QString& title) const override {
    return m_surface.scrolls(kDisplayTitle, title);
  }
  void showLights(const LightStates& lights) override;
  void placeKnob(int index, float value) override;
  void setKnobShown(int index, bool shown) override;
  // The pixels knob `index` moves over while it shows; 0 while it is hidden.
  int knobTravel(int index) const;
  void setDisplayRedraw(std::function<void()> redraw) override {
    m_displayRedraw = std::move(redraw);
  }
  bool isKnobShown(int index) const;

  // SkinCoverSink
  bool isCoverImageVisible() const override;
  void showCoverImage(const QImage& picture) override;
  void clearCoverImage() override;

  // The elements, for the tests and tools that look at them.
  ButtonZone* button(int index) const;
  SkinTextLabel* label(int index) const;
  SkinKnob* knob(int index) const;
  IndicatorLight* light(int index) const;
  DisplayAnchor* displayAnchor(int index) const;
  PlaylistBox* playlistBox() const { return m_playlistBox; }
  CoverImage* coverImage() const { return m_cover; }
  PressedImage* pressedImage() const { return m_pressed; }
  float sliderValue(int index) const;
  // A slider set without the pointer (an assistive tool): pressed, moved to
  // `value` (0..1) and released, as a drag does it.
  void setSliderByUser(int index, float value);
  const SliderDef& sliderDef(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void createElements();
  void hideElements();
  void applyElements(const SkinDocument& doc);
  void applyButtons(const SkinDocument& doc);
  void applySliders(const SkinDocument& doc);
  void placeOnScreen();
  void drawSliderFrame(int index, int knobOffset);

  void buttonDown(int index);
  void buttonUp(int index);
  void buttonHovered(int index);
  void hoverReset();
  void debugKey(QChar key);

  void knobPressed(int index, QPointF windowPos);
  void knobMoved(int index, QPointF windowPos);
  void knobReleased(int index);
  // The slider whose track is under `windowPos` (position, volume, balance,
  // rate), 0 for none.
  int sliderAt(QPointF windowPos) const;
  bool pressOnSliderTrack(QPointF windowPos);

  void drawn(const DisplaySurface::Drawn& result);
  TwipScale twipScale() const;
  SkinWindowHandler& handler() const;

  DisplaySurface m_surface;
  SkinWindowHandler* m_handler = nullptr;
  std::function<void()> m_displayRedraw;

  std::array<ButtonZone*, kSkinButtonCount + 1> m_buttons{};
  std::array<SkinTextLabel*, kSkinLabelCount + 1> m_labels{};
  std::array<DisplayAnchor*, kSkinDisplayCount + 1> m_anchors{};
  std::array<SkinKnob*, kSkinSliderCount + 1> m_knobs{};
  std::array<IndicatorLight*, kSkinLightCount + 1> m_lights{};
  PlaylistBox* m_playlistBox = nullptr;
  CoverImage* m_cover = nullptr;
  PressedImage* m_pressed = nullptr;  // TmpBtn

  // Skin tables.
  std::array<QSize, 3> m_sizes{};
  QRgb m_background = 0;
  int16_t m_hoverStyle = 0;
  std::array<QChar, kSkinButtonCount + 1> m_keyMap{};
  std::array<QPoint, kSkinButtonCount + 1> m_pressPoints{};
  // Buttons with an on look: the light that says "on" and the pressed image then.
  std::array<int, kSkinButtonCount + 1> m_onWithLight{};
  std::array<QPoint, kSkinButtonCount + 1> m_pressWhenOn{};
  std::array<QString, kSkinLinkCount + 1> m_links;
  std::array<SliderDef, kSkinSliderCount + 1> m_sliderDefs{};
  std::array<bool, kSkinSliderCount + 1> m_sliderDefined{};
  std::array<std::optional<SliderFrames>, kSkinSliderCount + 1> m_sliderFrames{};
  std::array<float, kSkinSliderCount + 1> m_sliderValues{};
  std::array<bool, kSkinSliderCount + 1> m_knobPlaced{};
  QString m_skinInfo;
  std::optional<QRegion> m_shape;
  LightStates m_lightStates{};

  int16_t m_alternateSize = 0;
  int16_t m_small = 0;
  int16_t m_hoveredButton = 0;  // the button under the pointer, 0 = none

  // Knob drag: the knob dragged (SlideFlag), where the pointer and the
  // knob's left or top were when it began.
  int m_slideFlag = 0;
  QPointF m_slideStartPointer;
  int m_slideStartKnob = 0;
  bool m_trackDrag = false;  // the drag began with a press on the track
  WheelSteps m_wheelSteps;
  int m_wheelSlider = 0;  // the slider the wheel steps gathered belong to

  // Window drag: whether one runs and the grab point inside the window.
  bool m_dragFlag = false;
  QPoint m_grabPoint;

  int16_t m_winSnap = 0;
  bool m_closeAllowed = false;
  std::optional<QRect> m_availableOverride;
  std::optional<TwipScale> m_scaleOverride;
};

}  // namespace kd
