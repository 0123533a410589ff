#pragma once
// Our own base classic skin: every bitmap of the classic format except
// main.bmp, drawn in code at its usual size with every sprite at its place,
// in the dark blue of the default skin. A classic skin that lacks a file
// takes that file from here, so a missing sprite shows a plain, working
// look instead of nothing. Drawn without fonts (a small pixel font of our
// own), so the pictures are the same on every machine.

#include <QImage>

#include "skin/classic/ClassicSprites.h"

namespace kd::classic {

// The base picture of `file` in Format_RGB32 at UsualSize(file); null for
// File::Main, which every skin must bring itself. Drawn once, then shared.
const QImage& BaseSheet(File file);

}  // namespace kd::classic
