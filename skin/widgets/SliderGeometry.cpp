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

}  // namespace kd
