#pragma once
// Loads a classic 2.x skin: a .wsz archive, or a skin folder chosen by its
// main.bmp. An archive that is no zip, or a skin without a readable
// main.bmp, is refused with the message of a skin that cannot be found, and
// the window keeps its skin.

#include <QString>

#include "skin/SkinDocument.h"
#include "skin/SkinEnvironment.h"

namespace kd::classic {

// Whether `path` names a classic skin: a ".wsz" file, or a "main.bmp" (any case).
bool IsClassicSkinPath(const QString& path);

// `fullPath` is the existing archive or main.bmp; `name` the name the skin
// was asked for (for the message).
SkinDocument LoadSkin(const QString& fullPath, const QString& name, const SkinLoadEnvironment& env);

}  // namespace kd::classic
