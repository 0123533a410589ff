// The skinned window's input: skin buttons and the pressed-button image, knob
// drags, the window's background (drag, snap, popup, hover reset), typed
// characters and the debugging keys, drops, close and activation.

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "skin/BlockCopy.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/FileDrops.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinKnob.h"
#include "skin/widgets/SkinTextLabel.h"
#include "skin/widgets/SkinWindow.h"
#include "skin/widgets/SkinWindowHandler.h"
#include "skin/widgets/SliderGeometry.h"

namespace kd {

namespace {

// The debugging keys reach buttons 1..50 and labels 1..20.
constexpr int kDebugButtons = 50;
constexpr int kDebugLabels = 20;
constexpr char16_t kEscape = 27;

}  // namespace

// ---------------------------------------------------------------- buttons

void SkinWindow::buttonDown(int index) {
  const ButtonZone* zone = button(index);
  if (zone == nullptr) return;
  m_pressed->hide();
  const QRect place = zone->geometry();
  m_pressed->setGeometry(place);
  QImage picture(place.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  picture.fill(QColor::fromRgb(m_background));
  const int onWithLight = m_onWithLight[size_t(index)];
  const bool on =
      onWithLight > 0 && onWithLight <= kSkinLightCount && m_lightStates[size_t(onWithLight)];
  const QPoint press = on ? m_pressWhenOn[size_t(index)] : m_pressPoints[size_t(index)];
  CopyBlock(resourceBitmap(), QRect(press, place.size()), picture, QPoint(0, 0));
  m_pressed->setPicture(picture);
  m_pressed->setToolTip(zone->toolTip());
  m_pressed->show();
  m_pressed->raise();
}

void SkinWindow::buttonUp(int index) {
  m_pressed->hide();
  ButtonZone* zone = button(index);
  if (zone == nullptr) return;
  zone->setBorder(false);
  handler().buttonUp(index);
}

void SkinWindow::buttonHovered(int index) {
  if (index == m_hoveredButton) return;
  if (m_hoverStyle == 1) {
    if (ButtonZone* last = button(m_hoveredButton)) last->setBorder(false);
    button(index)->setBorder(true);
  } else if (m_hoverStyle == 2) {
    buttonDown(index);
  }
  m_hoveredButton = int16_t(index);
}

void SkinWindow::hoverReset() {
  if (m_hoveredButton == 0) return;
  if (ButtonZone* last = button(m_hoveredButton)) last->setBorder(false);
  m_hoveredButton = 0;
  m_pressed->hide();
}

// ---------------------------------------------------------------- knobs

void SkinWindow::knobPressed(int index, QPointF windowPos) {
  if (m_slideFlag != 0) return;
  const SliderDef& def = m_sliderDefs[size_t(index)];
  const bool horizontal = IsHorizontalSlider(def);
  const SkinKnob* dragged = knob(index);
  m_slideStartPointer = windowPos;
  m_slideStartKnob = horizontal ? dragged->x() : dragged->y();
  m_slideFlag = index;
  handler().pressKnob(index, horizontal);
}

void SkinWindow::knobMoved(int index, QPointF windowPos) {
  if (m_slideFlag != index) return;
  const SliderDef& def = m_sliderDefs[size_t(index)];
  // The knob keeps the point it was grabbed at under the pointer.
  const QPointF moved = windowPos - m_slideStartPointer;
  const double wanted = m_slideStartKnob + (IsHorizontalSlider(def) ? moved.x() : moved.y());
  const std::optional<KnobDragStep> step = DragKnob(def, wanted);
  if (step) handler().moveKnob(index, step->value);
}

void SkinWindow::setSliderByUser(int index, float value) {
  const SkinKnob* shown = knob(index);
  if (shown == nullptr || !shown->isVisibleTo(this) || m_slideFlag != 0) return;
  handler().pressKnob(index, IsHorizontalSlider(m_sliderDefs[size_t(index)]));
  handler().moveKnob(index, std::clamp(value, 0.0f, 1.0f));
  handler().releaseKnob(index);
}

void SkinWindow::knobReleased(int index) {
  if (m_slideFlag == 0) return;
  m_slideFlag = 0;
  m_trackDrag = false;
  handler().releaseKnob(index);
}

int SkinWindow::sliderAt(QPointF windowPos) const {
  for (const int index : {kSliderPosition, kSliderVolume, kSliderBalance, kSliderRate}) {
    if (isKnobShown(index) && IsOnSliderTrack(m_sliderDefs[size_t(index)], windowPos)) return index;
  }
  return 0;
}

// A press on a slider's track: the knob jumps under the pointer, as if it had
// been grabbed by its middle, and the drag goes on from there.
bool SkinWindow::pressOnSliderTrack(QPointF windowPos) {
  if (m_slideFlag != 0) return false;
  const int index = sliderAt(windowPos);
  if (index == 0) return false;
  const SliderDef& def = m_sliderDefs[size_t(index)];
  const std::optional<KnobDragStep> jump = JumpKnobTo(def, windowPos);
  if (!jump) return false;
  m_slideStartPointer = windowPos;
  m_slideStartKnob = jump->p;
  m_slideFlag = index;
  m_trackDrag = true;
  handler().pressKnob(index, IsHorizontalSlider(def));
  handler().moveKnob(index, jump->value);
  return true;
}

void SkinWindow::wheelEvent(QWheelEvent* event) {
  const int index = sliderAt(event->position());
  if (index == 0 || index == kSliderPosition) {
    event->ignore();
    return;
  }
  event->accept();
  if (index != m_wheelSlider) m_wheelSteps.reset();
  m_wheelSlider = index;
  const QPoint angle = event->angleDelta();
  const int steps = m_wheelSteps.add(angle.y() != 0 ? angle.y() : angle.x());
  if (steps != 0) handler().wheelOnSlider(index, steps);
}

// ---------------------------------------------------------------- background

void SkinWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  const QPoint global = event->globalPosition().toPoint();
  if (event->button() == Qt::LeftButton) {
    if (pressOnSliderTrack(event->position())) return;
    if (!m_dragFlag) {
      m_dragFlag = true;
      m_grabPoint = global - pos();
    }
  } else if (event->button() == Qt::RightButton) {
    handler().popupRequested(global);
  }
}

void SkinWindow::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (m_trackDrag) {
    knobMoved(m_slideFlag, event->position());
  } else if (m_dragFlag) {
    move(event->globalPosition().toPoint() - m_grabPoint);
  } else {
    hoverReset();
  }
}

void SkinWindow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (m_trackDrag) {
    knobReleased(m_slideFlag);
    return;
  }
  const bool dragged = m_dragFlag;
  m_dragFlag = false;
  if (m_winSnap != 0) move(SnapWindow(geometry(), availableGeometry(), twipScale()));
  if (dragged) handler().windowMoved();
}

// ---------------------------------------------------------------- keys

void SkinWindow::keyPressEvent(QKeyEvent* event) {
  QString text = event->text();
  if (event->key() == Qt::Key_Escape) text = QString(QChar(kEscape));
  if (text.isEmpty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  for (const QChar c : text) {
    if (c == QChar(kEscape) || c == QLatin1Char('`') || c == QLatin1Char('~')) {
      debugKey(c);
    } else {
      handler().keyTyped(c);
    }
  }
}

void SkinWindow::debugKey(QChar key) {
  if (key == QChar(kEscape)) {
    // Back to the normal look.
    for (int n = 1; n <= kDebugButtons; ++n) {
      m_buttons[n]->setOpaque(false);
      m_buttons[n]->setBorder(false);
    }
    for (int n = 1; n <= kDebugLabels; ++n) m_labels[n]->setOpaque(false);
  } else if (key == QLatin1Char('`')) {
    // The skin's hot areas become visible.
    for (int n = 1; n <= kDebugButtons; ++n) m_buttons[n]->setOpaque(true);
    for (int n = 1; n <= kDebugLabels; ++n) m_labels[n]->setOpaque(true);
  } else {
    for (int n = 1; n <= kDebugButtons; ++n) m_buttons[n]->setBorder(true);
  }
}

// ---------------------------------------------------------------- drops

void SkinWindow::dragEnterEvent(QDragEnterEvent* event) {
  AcceptFileDrag(event);
}

void SkinWindow::dragMoveEvent(QDragMoveEvent* event) {
  AcceptFileDrag(event);
}

void SkinWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = TakeDroppedFiles(event);
  if (!paths.isEmpty()) handler().filesDropped(paths);
}

// ---------------------------------------------------------------- window

void SkinWindow::closeEvent(QCloseEvent* event) {
  if (m_closeAllowed) {
    event->accept();
    return;
  }
  // The application runs its shut-down first and then closes the window.
  event->ignore();
  handler().closeRequested();
}

bool SkinWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) handler().activated();
  return QWidget::event(event);
}

}  // namespace kd
