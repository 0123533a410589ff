#include "skin/widgets/SliderGeometry.h"

#include <algorithm>
#include <cmath>

#include "skin/SkinView.h"
#include "util/Numbers.h"

namespace kd {

namespace {

// floor(value * travel). A value that a drag computed from a whole pixel,
// multiplied back in single precision, can land a hair below that pixel; a
// hair is not a pixel, so the knob does not lag one pixel behind the pointer.
int FloorPixels(float value, int travel) {
  constexpr double kHair = 1e-4;
  const double product = double(value) * travel;
  if (!std::isfinite(product)) return 0;
  return static_cast<int>(std::clamp(std::floor(product + kHair), -32768.0, 32767.0));
}

}  // namespace

bool IsHorizontalSlider(const SliderDef& def) {
  return def.H == 0;
}

KnobPlacement PlaceKnob(int index, const SliderDef& def, float value) {
  const bool horizontal = IsHorizontalSlider(def);
  if (index == kSliderVolumeBar) {
    if (horizontal) return {KnobEdge::Width, FloorPixels(value, def.W)};
    return {KnobEdge::Height, def.H - FloorPixels(value, def.H)};
  }
  if (horizontal) return {KnobEdge::Left, def.X + FloorPixels(value, def.W)};
  return {KnobEdge::Top, def.Y + def.H - FloorPixels(value, def.H)};
}

std::optional<KnobDragStep> DragKnob(const SliderDef& def, double wanted) {
  const bool horizontal = IsHorizontalSlider(def);
  const int lo = horizontal ? def.X : def.Y;
  const int travel = horizontal ? def.W : def.H;
  if (travel == 0 || !std::isfinite(wanted)) return std::nullopt;
  const int hi = lo + travel;
  const int64_t rounded = RoundHalfEven(std::clamp(wanted, -1e9, 1e9));
  const int p = static_cast<int>(std::clamp<int64_t>(rounded, std::min(lo, hi), std::max(lo, hi)));
  const float fraction = static_cast<float>(double(p - lo) / double(hi - lo));
  return KnobDragStep{p, horizontal ? fraction : 1.0f - fraction};
}

bool IsOnSliderTrack(const SliderDef& def, QPointF point) {
  const bool horizontal = IsHorizontalSlider(def);
  const int travel = horizontal ? def.W : def.H;
  const int start = horizontal ? def.X : def.Y;
  const double alongLo = std::min(start, start + travel);
  const double alongHi = std::max(start, start + travel) + (horizontal ? def.KW : def.KH);
  const double acrossLo = horizontal ? def.Y : def.X;
  const double acrossHi = acrossLo + (horizontal ? def.KH : def.KW);
  const double along = horizontal ? point.x() : point.y();
  const double across = horizontal ? point.y() : point.x();
  return along >= alongLo && along < alongHi && across >= acrossLo && across < acrossHi;
}

std::optional<KnobDragStep> JumpKnobTo(const SliderDef& def, QPointF point) {
  const bool horizontal = IsHorizontalSlider(def);
  const double wanted = horizontal ? point.x() - def.KW / 2.0 : point.y() - def.KH / 2.0;
  return DragKnob(def, wanted);
}

int WheelSteps::add(int angle) {
  constexpr int kNotch = 120;
  // A turn back first uses up what was gathered the other way.
  if ((angle > 0 && m_remainder < 0) || (angle < 0 && m_remainder > 0)) m_remainder = 0;
  m_remainder = std::clamp(m_remainder + angle, -100 * kNotch, 100 * kNotch);
  const int steps = m_remainder / kNotch;
  m_remainder -= steps * kNotch;
  return steps;
}

}  // namespace kd
