#pragma once
// Paints the window bitmap of the default skin: the body, its panels and
// captions, the slider grooves, and every button in its normal or lit look.
// The lit look is what the player shows while a button is pressed or under
// the pointer.

#include <QImage>

#include "SkinLayout.h"

class QPainter;
class QPainterPath;

namespace kd::skingen {

class FacePainter {
 public:
  explicit FacePainter(const SkinLayout& layout);

  // The face without buttons.
  QImage base() const;
  // The face with every button in the normal (lit = false) or lit look.
  QImage face(bool lit) const;
  // The knob picture of a slider, with the groove behind it.
  QImage knob(const SliderSpec& slider) const;

 private:
  void paintBody(QPainter& p) const;
  void paintPanels(QPainter& p) const;
  void paintGrooves(QPainter& p) const;
  void paintCaptions(QPainter& p) const;
  void paintLightSockets(QPainter& p) const;

  const SkinLayout& m_layout;
  QImage m_base;
};

// The shape a light fills inside its rectangle: squares and circles take the
// shorter side, centred.
QPainterPath LightPath(const LightSpec& light);

// A dark recessed panel: the displays and the playlist sit on these.
void PaintInset(QPainter& p, const QRect& rect, qreal radius);

}  // namespace kd::skingen
