#include "skin/SkinScale.h"

#include <QTransform>
#include <algorithm>
#include <array>
#include <limits>

namespace kd {

namespace {

bool ImageFits(const QImage& image, int factor) {
  if (image.isNull()) return true;
  const qint64 pixels = qint64(image.width()) * image.height() * factor * factor;
  return pixels <= kMaxScaledSkinPixels;
}

bool FitsInt16(qint64 value, int factor) {
  const qint64 scaled = value * factor;
  return scaled >= std::numeric_limits<int16_t>::min() &&
         scaled <= std::numeric_limits<int16_t>::max();
}

// The 16-bit lengths of the slider and display records: each is multiplied
// by the factor and must stay in range. A slider's KnobPos is scaled too but
// not checked: a load resets it.
constexpr std::array kSliderLengths{&SliderDef::X,  &SliderDef::Y,  &SliderDef::W,  &SliderDef::H,
                                    &SliderDef::SX, &SliderDef::SY, &SliderDef::KW, &SliderDef::KH};
constexpr std::array kDisplayLengths{&DisplayDef::SrcX,        &DisplayDef::SrcY,
                                     &DisplayDef::CellWidth,   &DisplayDef::CellHeight,
                                     &DisplayDef::NarrowWidth, &DisplayDef::Spacing};

template <typename Def, size_t N>
bool LengthsFit(const Def& def, const std::array<int16_t Def::*, N>& lengths, int factor) {
  return std::all_of(lengths.begin(), lengths.end(),
                     [&](int16_t Def::*length) { return FitsInt16(def.*length, factor); });
}

int16_t Times(int16_t value, int factor) {
  return static_cast<int16_t>(value * factor);
}

template <typename Def, size_t N>
void ScaleLengths(Def& def, const std::array<int16_t Def::*, N>& lengths, int factor) {
  for (int16_t Def::*length : lengths) def.*length = Times(def.*length, factor);
}

QRect Times(const QRect& rect, int factor) {
  return {rect.topLeft() * factor, rect.size() * factor};
}

// One overload for each kind of element: it multiplies the element's places,
// sizes, picture points and font size.
void Scale(SkinButton& button, int f) {
  button.rect = Times(button.rect, f);
  button.press *= f;
  button.pressWhenOn *= f;
}

void Scale(SkinLabel& label, int f) {
  label.rect = Times(label.rect, f);
  label.pointSize *= f;
}

void Scale(SkinDisplay& display, int f) {
  ScaleLengths(display.def, kDisplayLengths, f);
  display.anchor = Times(display.anchor, f);
}

void Scale(SkinSlider& slider, int f) {
  ScaleLengths(slider.def, kSliderLengths, f);
  slider.def.KnobPos = Times(slider.def.KnobPos, f);
  slider.knob = ScaleImageSharp(slider.knob, f);
  if (slider.frames) {
    slider.frames->place = Times(slider.frames->place, f);
    slider.frames->first *= f;
    slider.frames->step *= f;
  }
}

void Scale(SkinLight& light, int f) {
  light.rect = Times(light.rect, f);
  if (light.sprite) *light.sprite *= f;
}

void Scale(SkinPlaylistBox& box, int f) {
  box.rect = Times(box.rect, f);
  box.pointSize *= f;
}

void Scale(SkinCover& cover, int f) {
  cover.rect = Times(cover.rect, f);
}

template <typename Element>
void Scale(std::optional<Element>& element, int f) {
  if (element) Scale(*element, f);
}

template <typename Element, size_t N>
void Scale(std::array<std::optional<Element>, N>& pool, int f) {
  for (std::optional<Element>& element : pool) Scale(element, f);
}

void ScaleElements(SkinDocument& doc, int f) {
  Scale(doc.buttons, f);
  Scale(doc.labels, f);
  Scale(doc.displays, f);
  Scale(doc.sliders, f);
  Scale(doc.lights, f);
  Scale(doc.playlistBox, f);
  Scale(doc.cover, f);
}

}  // namespace

QImage ScaleImageSharp(const QImage& image, int factor) {
  if (image.isNull() || factor < 2) return image;
  const QImage source =
      image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QImage scaled(source.width() * factor, source.height() * factor, source.format());
  if (scaled.isNull()) return {};
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* first = reinterpret_cast<QRgb*>(scaled.scanLine(y * factor));
    for (int x = 0; x < source.width(); ++x) {
      for (int k = 0; k < factor; ++k) first[x * factor + k] = in[x];
    }
    for (int k = 1; k < factor; ++k) {
      std::copy_n(first, scaled.width(), reinterpret_cast<QRgb*>(scaled.scanLine(y * factor + k)));
    }
  }
  return scaled;
}

bool CanScaleSkinDocument(const SkinDocument& doc, int factor) {
  if (factor < 2) return false;
  if (!ImageFits(doc.mainBitmap, factor) || !ImageFits(doc.resourceBitmap, factor)) return false;
  for (const auto& slider : doc.sliders) {
    if (slider &&
        (!LengthsFit(slider->def, kSliderLengths, factor) || !ImageFits(slider->knob, factor)))
      return false;
  }
  for (const auto& display : doc.displays) {
    if (display && !LengthsFit(display->def, kDisplayLengths, factor)) return false;
  }
  return true;
}

SkinDocument ScaleSkinDocument(const SkinDocument& doc, int factor) {
  if (!CanScaleSkinDocument(doc, factor)) return doc;
  SkinDocument scaled = doc;
  for (QSize& size : scaled.sizes) size *= factor;
  scaled.mainBitmap = ScaleImageSharp(doc.mainBitmap, factor);
  scaled.resourceBitmap = ScaleImageSharp(doc.resourceBitmap, factor);
  ScaleElements(scaled, factor);
  if (doc.windowShape)
    scaled.windowShape = QTransform::fromScale(factor, factor).map(*doc.windowShape);
  return scaled;
}

}  // namespace kd
