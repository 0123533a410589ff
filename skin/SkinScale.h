#pragma once
// A skin enlarged by a whole number: every bitmap pixel becomes an exact
// factor x factor square (nearest neighbour, never blurred) and every place,
// size, outline, slider track, display cell and font size is multiplied, so
// hit areas, the window's shape, knobs and bitmap fonts all follow.

#include "skin/SkinDocument.h"

namespace kd {

// The most pixels one scaled bitmap may hold (about 256 MB at 4 bytes each).
inline constexpr qint64 kMaxScaledSkinPixels = 64LL * 1024 * 1024;

// Whether `doc` can be enlarged by `factor` (2 or more): no scaled bitmap
// passes kMaxScaledSkinPixels and no slider or display number leaves its
// 16-bit range.
bool CanScaleSkinDocument(const SkinDocument& doc, int factor);

// `doc` enlarged by `factor`; a factor below 2, or one CanScaleSkinDocument
// refuses, gives `doc` unchanged. Texts, colours, keys and settings values
// are copied as they are; null pictures stay null.
SkinDocument ScaleSkinDocument(const SkinDocument& doc, int factor);

// `image` with every pixel an exact factor x factor square (32-bit formats).
QImage ScaleImageSharp(const QImage& image, int factor);

}  // namespace kd
