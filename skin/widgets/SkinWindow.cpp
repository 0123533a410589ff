#include "skin/widgets/SkinWindow.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

#include "core/WindowPlacement.h"
#include "skin/BlockCopy.h"
#include "skin/ClockLabelTexts.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/CoverImage.h"
#include "skin/widgets/DisplayAnchor.h"
#include "skin/widgets/IndicatorLight.h"
#include "skin/widgets/PlaylistBox.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinAccessibility.h"
#include "skin/widgets/SkinKnob.h"
#include "skin/widgets/SkinTextLabel.h"
#include "skin/widgets/SkinWindowHandler.h"
#include "skin/widgets/SliderGeometry.h"
#include "util/Numbers.h"

namespace kd {

namespace {

// Where a load parks the lights the skin does not define: off the window.
const QRect kParkedLight(-10, -10, 5, 5);

// Reports go nowhere until the application gives a handler.
SkinWindowHandler& NoHandler() {
  static SkinWindowHandler none;
  return none;
}

}  // namespace

SkinWindow::SkinWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  m_keyMap.fill(QChar());
  InstallSkinAccessibility();
  createElements();
  m_surface.rebuild(m_background, QSize(1, 1));
}

SkinWindow::~SkinWindow() = default;

void SkinWindow::setHandler(SkinWindowHandler* handler) {
  m_handler = handler;
}

SkinWindowHandler& SkinWindow::handler() const {
  return m_handler != nullptr ? *m_handler : NoHandler();
}

void SkinWindow::setPlaylist(Playlist* playlist) {
  m_playlistBox->setPlaylist(playlist);
}

void SkinWindow::createElements() {
  // Creation order is stacking order: lights and display places lie lowest,
  // the pressed-button image highest, right over the button it shows.
  for (int n = 1; n <= kSkinLightCount; ++n) {
    m_lights[n] = new IndicatorLight(this);
    m_lights[n]->setGeometry(kParkedLight);
  }
  for (int n = 1; n <= kSkinDisplayCount; ++n) m_anchors[n] = new DisplayAnchor(this);
  for (int n = 1; n <= kSkinLabelCount; ++n) {
    m_labels[n] = new SkinTextLabel(n, this);
    m_labels[n]->setClickable(n == kLabelTime || n == kLabelTitle);
    connect(m_labels[n], &SkinTextLabel::clicked, this,
            [this](int index) { handler().labelClicked(index); });
  }
  m_cover = new CoverImage(this);
  connect(m_cover, &CoverImage::doubleClicked, this, [this] { handler().coverDoubleClicked(); });
  for (int n = 1; n <= kSkinButtonCount; ++n) {
    m_buttons[n] = new ButtonZone(n, this);
    connect(m_buttons[n], &ButtonZone::pressed, this, &SkinWindow::buttonDown);
    connect(m_buttons[n], &ButtonZone::released, this, &SkinWindow::buttonUp);
    connect(m_buttons[n], &ButtonZone::hovered, this, &SkinWindow::buttonHovered);
  }
  m_playlistBox = new PlaylistBox(this);
  m_playlistBox->setAccessibleName(QStringLiteral("Playlist"));
  connect(m_playlistBox, &PlaylistBox::entryDoubleClicked, this,
          [this](int row) { handler().playlistDoubleClicked(row); });
  connect(m_playlistBox, &PlaylistBox::deletePressed, this,
          [this] { handler().playlistDeletePressed(); });
  connect(m_playlistBox, &PlaylistBox::filesDropped, this,
          [this](const QStringList& paths) { handler().filesDropped(paths); });
  for (int n = 1; n <= kSkinSliderCount; ++n) {
    m_knobs[n] = new SkinKnob(n, this);
    connect(m_knobs[n], &SkinKnob::pressed, this, &SkinWindow::knobPressed);
    connect(m_knobs[n], &SkinKnob::moved, this, &SkinWindow::knobMoved);
    connect(m_knobs[n], &SkinKnob::released, this, &SkinWindow::knobReleased);
    connect(m_knobs[n], &SkinKnob::doubleClicked, this,
            [this](int index) { handler().doubleClickKnob(index); });
  }
  m_pressed = new PressedImage(this);
  connect(m_pressed, &PressedImage::released, this, [this] { buttonUp(m_hoveredButton); });
}

// ---------------------------------------------------------------- skin load

namespace {

bool FitsIn(QSize size, QSize room) {
  return size.isValid() && size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

void SkinWindow::applySkin(const SkinDocument& doc) {
  if (doc.outcome != SkinLoadOutcome::Loaded) return;
  hideElements();

  m_sizes = doc.sizes;
  m_background = doc.background;
  m_hoverStyle = doc.hoverStyle;
  m_skinInfo = doc.info;
  m_surface.setBitmaps(doc.mainBitmap, doc.resourceBitmap);
  QSize area(1, 1);
  for (const QSize& size : m_sizes) area = area.expandedTo(size);
  m_surface.rebuild(m_background, area);
  // A normal size larger than the work area (a HiDPI screen scales the skin
  // by a whole number) would leave part of the window off screen: the size
  // without the playlist is taken when it fits.
  const QSize room = availableGeometry().size();
  const bool useAlternate = !FitsIn(m_sizes[0], room) && FitsIn(m_sizes[1], room);
  resize(m_sizes[useAlternate ? 1 : 0]);
  placeOnScreen();

  applyElements(doc);
  m_shape = doc.windowShape;
  if (m_shape) setMask(*m_shape);

  m_alternateSize = useAlternate ? 1 : 0;
  m_small = 0;
  redrawDisplays();
  showLights(m_lightStates);
  for (int n = 1; n <= kSkinSliderCount; ++n) placeKnob(n, m_sliderValues[n]);
  update();
}

void SkinWindow::hideElements() {
  // A knob hidden under the pointer gets no release: its drag ends here.
  if (m_slideFlag != 0) {
    const int dragged = m_slideFlag;
    m_slideFlag = 0;
    m_trackDrag = false;
    handler().releaseKnob(dragged);
  }
  hoverReset();
  m_pressed->hide();
  for (int n = 1; n <= kSkinButtonCount; ++n) m_buttons[n]->hide();
  for (int n = 1; n <= kSkinLabelCount; ++n) m_labels[n]->hide();
  m_playlistBox->hide();
  m_cover->hide();
  for (int n = 1; n <= kSkinLightCount; ++n) {
    m_lights[n]->hide();
    m_lights[n]->setGeometry(kParkedLight);
  }
  for (int n = 1; n <= kSkinDisplayCount; ++n) {
    m_anchors[n]->hide();
    m_surface.setDisplay(n, std::nullopt);
  }
  for (int n = 1; n <= kSkinSliderCount; ++n) {
    m_knobs[n]->hide();
    m_sliderDefs[n].W = 0;
    m_sliderDefs[n].H = 0;
    m_sliderDefined[n] = false;
    m_sliderFrames[n].reset();
  }
  m_links.fill(QString());
  m_shape.reset();
  clearMask();
}

void SkinWindow::applyElements(const SkinDocument& doc) {
  applyButtons(doc);
  for (int n = 1; n <= kSkinLabelCount; ++n) {
    if (!doc.labels[n]) continue;
    m_labels[n]->applyDefinition(*doc.labels[n]);
    m_labels[n]->show();
  }
  for (int n = 1; n <= kSkinDisplayCount; ++n) {
    const std::optional<SkinDisplay>& display = doc.displays[n];
    if (!display) continue;
    m_anchors[n]->setGeometry(display->anchor);
    m_anchors[n]->setToolTip(display->tip);
    m_anchors[n]->show();
    m_surface.setDisplay(n, display);
  }
  applySliders(doc);
  for (int n = 1; n <= kSkinLightCount; ++n) {
    if (!doc.lights[n]) continue;
    m_lights[n]->setGeometry(doc.lights[n]->rect);
    m_lights[n]->setLook(doc.lights[n]->colour, doc.lights[n]->shape);
    const std::optional<QPoint>& sprite = doc.lights[n]->sprite;
    m_lights[n]->setPicture(sprite ? CutBlock(resourceBitmap(), sprite->x(), sprite->y(),
                                              doc.lights[n]->rect.width(),
                                              doc.lights[n]->rect.height())
                                   : QImage());
  }
  if (doc.playlistBox) {
    m_playlistBox->applyDefinition(*doc.playlistBox);
    m_playlistBox->show();
  }
  if (doc.cover) {
    m_cover->setGeometry(doc.cover->rect);
    m_cover->setToolTip(doc.cover->tip);
    m_cover->show();
  }
}

void SkinWindow::applyButtons(const SkinDocument& doc) {
  for (int n = 1; n <= kSkinButtonCount; ++n) {
    const std::optional<SkinButton>& definition = doc.buttons[n];
    if (!definition) {
      // A button this skin omits answers no key, whatever an earlier skin gave it.
      m_keyMap[n] = QChar();
      m_onWithLight[n] = 0;
      continue;
    }
    ButtonZone* button = m_buttons[n];
    button->setGeometry(definition->rect);
    button->setToolTip(definition->tip);
    button->show();
    m_keyMap[n] = definition->key;
    m_pressPoints[n] = definition->press;
    m_onWithLight[n] = definition->onWithLight;
    m_pressWhenOn[n] = definition->pressWhenOn;
  }
  m_links = doc.links;
}

void SkinWindow::applySliders(const SkinDocument& doc) {
  for (int n = 1; n <= kSkinSliderCount; ++n) {
    const std::optional<SkinSlider>& slider = doc.sliders[n];
    if (!slider) continue;
    SliderDef& def = m_sliderDefs[n];
    def = slider->def;
    def.KnobPos = 0;
    m_sliderDefined[n] = true;
    m_sliderFrames[n] = slider->frames;
    // The load places the knob at the track's start; the first placement
    // after it is always carried out, even onto a KnobPos of 0.
    m_knobPlaced[n] = false;
    SkinKnob* knob = m_knobs[n];
    knob->setGeometry(def.X, def.Y, std::max<int>(0, def.KW), std::max<int>(0, def.KH));
    knob->setToolTip(slider->tip);
    knob->setPicture(slider->knob);
    knob->show();
  }
}

void SkinWindow::placeOnScreen() {
  move(KeepWindowOnScreen(pos(), size(), availableGeometry()));
}

// ---------------------------------------------------------------- sizes

void SkinWindow::setSizeIndex(int index) {
  if (index < 0 || index > 2) return;
  resize(m_sizes[size_t(index)]);
  placeOnScreen();
}

QSize SkinWindow::skinSize(int index) const {
  return index >= 0 && index <= 2 ? m_sizes[size_t(index)] : QSize();
}

void SkinWindow::toggleAlternateSize() {
  m_alternateSize = int16_t(1 - m_alternateSize);
  if (m_small == 0) setSizeIndex(m_alternateSize);
}

void SkinWindow::toggleSmall() {
  m_small = int16_t(1 - m_small);
  setSizeIndex(m_small == 1 ? 2 : m_alternateSize);
}

QString SkinWindow::skinLink(int k) const {
  return k >= 1 && k <= kSkinLinkCount ? m_links[size_t(k)] : QString();
}

// ---------------------------------------------------------------- SkinView

void SkinWindow::setLabelText(int index, const QString& text) {
  if (index < 1 || index > kSkinLabelCount) return;
  m_labels[index]->setText(text);
}

void SkinWindow::drawDisplay(int index, double value) {
  drawn(m_surface.drawDisplay(index, value));
}

void SkinWindow::drawDisplay(int index, const QString& text) {
  drawn(m_surface.drawDisplay(index, text));
}

void SkinWindow::drawn(const DisplaySurface::Drawn& result) {
  if (result.label9) setLabelText(kLabelAmPm, *result.label9);
  if (!result.area.isEmpty()) update(result.area);
}

void SkinWindow::redrawDisplays() {
  drawDisplay(kDisplayClock, 0.0);
  // The clock label in the user's own 12- or 24-hour form.
  setLabelText(kLabelClock, ClockLabelText(m_surface.now(), m_surface.timeFmt(), m_surface.amText(),
                                           m_surface.pmText()));
  if (m_displayRedraw) m_displayRedraw();
}

void SkinWindow::showLights(const LightStates& lights) {
  m_lightStates = lights;
  for (int n = 1; n <= kSkinLightCount; ++n) m_lights[n]->setVisible(lights[size_t(n)]);
}

int SkinWindow::knobTravel(int index) const {
  if (index < 1 || index > kSkinSliderCount || !m_knobs[index]->isVisibleTo(this)) return 0;
  const SliderDef& def = m_sliderDefs[index];
  return std::abs(IsHorizontalSlider(def) ? def.W : def.H);
}

void SkinWindow::placeKnob(int index, float value) {
  if (index < 0 || index > kSkinSliderCount) return;
  m_sliderValues[size_t(index)] = value;
  if (index == 0) return;
  SkinKnob* knob = m_knobs[index];
  if (!knob->isVisibleTo(this)) return;
  SliderDef& def = m_sliderDefs[index];
  const KnobPlacement placement = PlaceKnob(index, def, value);
  if (m_knobPlaced[index] && placement.p == def.KnobPos) return;
  const int p = placement.p;
  switch (placement.edge) {
    case KnobEdge::Left:
      knob->move(p, knob->y());
      break;
    case KnobEdge::Top:
      knob->move(knob->x(), p);
      break;
    case KnobEdge::Width:
      knob->resize(std::max(0, p), knob->height());
      break;
    case KnobEdge::Height:
      knob->resize(knob->width(), std::max(0, p));
      break;
  }
  def.KnobPos = ClampToInt16(p);
  m_knobPlaced[index] = true;
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent changed(knob, qRound(value * 100.0f));
    QAccessible::updateAccessibility(&changed);
  }
  if (placement.edge == KnobEdge::Left) drawSliderFrame(index, p - def.X);
}

void SkinWindow::drawSliderFrame(int index, int knobOffset) {
  const std::optional<SliderFrames>& frames = m_sliderFrames[size_t(index)];
  if (!frames) return;
  const int frame = SliderFrameIndex(*frames, knobOffset, m_sliderDefs[size_t(index)].W);
  const QRect source(frames->first + QPoint(0, frame * frames->step), frames->place.size());
  const QRect changed = m_surface.drawBlock(source, frames->place.topLeft());
  if (!changed.isEmpty()) update(changed);
}

void SkinWindow::setKnobShown(int index, bool shown) {
  if (index < 1 || index > kSkinSliderCount) return;
  if (!shown) {
    m_knobs[index]->hide();
    return;
  }
  if (!m_sliderDefined[index]) return;
  m_knobs[index]->show();
  placeKnob(index, m_sliderValues[index]);
}

bool SkinWindow::isKnobShown(int index) const {
  if (index < 1 || index > kSkinSliderCount) return false;
  return m_knobs[index]->isVisibleTo(this);
}

float SkinWindow::sliderValue(int index) const {
  return index >= 0 && index <= kSkinSliderCount ? m_sliderValues[size_t(index)] : 0.f;
}

const SliderDef& SkinWindow::sliderDef(int index) const {
  return m_sliderDefs.at(size_t(std::clamp(index, 0, kSkinSliderCount)));
}

// ---------------------------------------------------------------- cover

bool SkinWindow::isCoverImageVisible() const {
  // Whether the skin shows a cover image, also while the window is hidden.
  return m_cover->isVisibleTo(this);
}

void SkinWindow::showCoverImage(const QImage& picture) {
  m_cover->setPicture(picture);
}

void SkinWindow::clearCoverImage() {
  m_cover->clearPicture();
}

// ---------------------------------------------------------------- elements

ButtonZone* SkinWindow::button(int index) const {
  return index >= 1 && index <= kSkinButtonCount ? m_buttons[size_t(index)] : nullptr;
}

SkinTextLabel* SkinWindow::label(int index) const {
  return index >= 1 && index <= kSkinLabelCount ? m_labels[size_t(index)] : nullptr;
}

SkinKnob* SkinWindow::knob(int index) const {
  return index >= 1 && index <= kSkinSliderCount ? m_knobs[size_t(index)] : nullptr;
}

IndicatorLight* SkinWindow::light(int index) const {
  return index >= 1 && index <= kSkinLightCount ? m_lights[size_t(index)] : nullptr;
}

DisplayAnchor* SkinWindow::displayAnchor(int index) const {
  return index >= 1 && index <= kSkinDisplayCount ? m_anchors[size_t(index)] : nullptr;
}

// ---------------------------------------------------------------- painting

void SkinWindow::paintEvent(QPaintEvent* event) {
  // Only the exposed part of the back buffer is copied; nothing is redrawn.
  QPainter painter(this);
  // On a screen of 2 or 3 device pixels per pixel every skin pixel becomes
  // an exact square of them: never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QImage& back = m_surface.backBuffer();
  const QRect exposed = event->rect();
  const QRect covered = exposed.intersected(back.rect());
  if (covered != exposed) painter.fillRect(exposed, QColor::fromRgb(m_background));
  if (!covered.isEmpty()) painter.drawImage(covered.topLeft(), back, covered);
}

void SkinWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  redrawDisplays();
}

// ---------------------------------------------------------------- placement

void SkinWindow::setScreenOverride(std::optional<QRect> available, std::optional<TwipScale> scale) {
  m_availableOverride = available;
  m_scaleOverride = scale;
}

QRect SkinWindow::availableGeometry() const {
  if (m_availableOverride) return *m_availableOverride;
  const QScreen* current = screen();
  return current != nullptr ? current->availableGeometry() : QRect(0, 0, 1024, 768);
}

TwipScale SkinWindow::twipScale() const {
  if (m_scaleOverride) return *m_scaleOverride;
  const QScreen* current = screen();
  if (current == nullptr) return {};
  return {TwipsPerPixel(current->logicalDotsPerInchX()),
          TwipsPerPixel(current->logicalDotsPerInchY())};
}

bool SkinWindow::isOnTop() const {
  return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void SkinWindow::setOnTop(bool onTop) {
  if (isOnTop() == onTop) return;
  const bool wasVisible = isVisible();
  const QRect place = geometry();
  // Changing a window flag takes the window off the screen.
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  setGeometry(place);
  if (m_shape) setMask(*m_shape);
  if (wasVisible) show();
}

void SkinWindow::closeForShutdown() {
  m_closeAllowed = true;
  close();
}

}  // namespace kd
