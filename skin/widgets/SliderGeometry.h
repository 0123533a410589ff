#pragma once
// The arithmetic of the skin's slider knobs: where a value puts a knob, and
// which value a dragged knob's position stands for. A slider whose H is 0 is
// horizontal and travels W pixels; any other is vertical, travels H pixels
// and its value grows upwards. Slider 4 (the volume bar) changes its knob's
// size instead of its place.

#include <QPointF>
#include <optional>

#include "skin/SkinDocument.h"

namespace kd {

enum class KnobEdge {
  Left,    // the knob's left moves
  Top,     // the knob's top moves
  Width,   // the knob's width changes (its top-left corner stays at X, Y)
  Height,  // the knob's height changes
};

struct KnobPlacement {
  KnobEdge edge = KnobEdge::Left;
  int p = 0;  // the new left, top, width or height in pixels
  bool operator==(const KnobPlacement&) const = default;
};

bool IsHorizontalSlider(const SliderDef& def);

// Knob `index` at `value`: horizontal p = X + floor(v * W) (left), vertical
// p = Y + H - floor(v * H) (top); slider 4 horizontal p = floor(v * W)
// (width), vertical p = H - floor(v * H) (height).
KnobPlacement PlaceKnob(int index, const SliderDef& def, float value);

struct KnobDragStep {
  int p = 0;          // the knob's new left (horizontal) or top (vertical)
  float value = 0.f;  // the value that position stands for
};

// One movement of a dragged knob: `wanted` is the left (horizontal) or top
// (vertical) the pointer asks for; it is taken to the nearest integer and
// kept on the track. Horizontal value (p - X) / W, vertical 1 - (p - Y) / H.
// A slider without travel cannot be dragged: nullopt.
std::optional<KnobDragStep> DragKnob(const SliderDef& def, double wanted);

// Whether `point` (window pixels) lies on the slider's track: the band the
// knob covers anywhere along its travel.
bool IsOnSliderTrack(const SliderDef& def, QPointF point);
// A press on the track at `point`: the knob jumps so that its middle is under
// the pointer (kept on the track). A slider without travel: nullopt.
std::optional<KnobDragStep> JumpKnobTo(const SliderDef& def, QPointF point);

// Turns wheel movement into whole steps: one step per notch (120 units of
// angle); the fine movement of touchpads adds up until it makes a notch.
class WheelSteps {
 public:
  // Adds `angle` (units of 1/8 degree, positive away from the user) and
  // returns the whole steps it completes.
  int add(int angle);
  void reset() { m_remainder = 0; }

 private:
  int m_remainder = 0;
};

}  // namespace kd
