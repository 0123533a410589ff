#include "skin/SkinScale.h"

#include <QTransform>
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

bool SliderFits(const SliderDef& d, int factor) {
  for (const int16_t v : {d.X, d.Y, d.W, d.H, d.SX, d.SY, d.KW, d.KH}) {
    if (!FitsInt16(v, factor)) return false;
  }
  return true;
}

bool DisplayFits(const DisplayDef& d, int factor) {
  for (const int16_t v : {d.SrcX, d.SrcY, d.CellWidth, d.CellHeight, d.NarrowWidth, d.Spacing}) {
    if (!FitsInt16(v, factor)) return false;
  }
  return true;
}

int16_t Times(int16_t value, int factor) {
  return static_cast<int16_t>(value * factor);
}

QRect Times(const QRect& rect, int factor) {
  return {rect.topLeft() * factor, rect.size() * factor};
}

void ScaleSlider(SkinSlider& slider, int f) {
  SliderDef& d = slider.def;
  d.X = Times(d.X, f);
  d.Y = Times(d.Y, f);
  d.W = Times(d.W, f);
  d.H = Times(d.H, f);
  d.SX = Times(d.SX, f);
  d.SY = Times(d.SY, f);
  d.KW = Times(d.KW, f);
  d.KH = Times(d.KH, f);
  d.KnobPos = Times(d.KnobPos, f);
  slider.knob = ScaleImageSharp(slider.knob, f);
  if (slider.frames) {
    slider.frames->place = Times(slider.frames->place, f);
    slider.frames->first *= f;
    slider.frames->step *= f;
  }
}

void ScaleDisplay(SkinDisplay& display, int f) {
  DisplayDef& d = display.def;
  d.SrcX = Times(d.SrcX, f);
  d.SrcY = Times(d.SrcY, f);
  d.CellWidth = Times(d.CellWidth, f);
  d.CellHeight = Times(d.CellHeight, f);
  d.NarrowWidth = Times(d.NarrowWidth, f);
  d.Spacing = Times(d.Spacing, f);
  display.anchor = Times(display.anchor, f);
}

void ScaleElements(SkinDocument& doc, int f) {
  for (auto& button : doc.buttons) {
    if (!button) continue;
    button->rect = Times(button->rect, f);
    button->press *= f;
    button->pressWhenOn *= f;
  }
  for (auto& label : doc.labels) {
    if (!label) continue;
    label->rect = Times(label->rect, f);
    label->pointSize *= f;
  }
  for (auto& display : doc.displays) {
    if (display) ScaleDisplay(*display, f);
  }
  for (auto& slider : doc.sliders) {
    if (slider) ScaleSlider(*slider, f);
  }
  for (auto& light : doc.lights) {
    if (!light) continue;
    light->rect = Times(light->rect, f);
    if (light->sprite) *light->sprite *= f;
  }
  if (doc.playlistBox) {
    doc.playlistBox->rect = Times(doc.playlistBox->rect, f);
    doc.playlistBox->pointSize *= f;
  }
  if (doc.cover) doc.cover->rect = Times(doc.cover->rect, f);
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
    if (slider && (!SliderFits(slider->def, factor) || !ImageFits(slider->knob, factor)))
      return false;
  }
  for (const auto& display : doc.displays) {
    if (display && !DisplayFits(display->def, factor)) return false;
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
