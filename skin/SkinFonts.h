#pragma once
// Fonts of the skin's text elements. A face the system does not have falls
// back: labels to "Arial", the playlist box to the font it has. These need a
// running QGuiApplication (they ask the font database).

#include <QFont>

#include "skin/SkinDocument.h"

namespace kd {

// The label's face (or "Arial" when the system lacks it), its size (the
// default size when 0), and bold, italic and underline from its style letters.
QFont LabelFont(const SkinLabel& label);

// `current` with the box's face when the system has it and its size when not 0;
// never bold.
QFont PlaylistBoxFont(const SkinPlaylistBox& box, const QFont& current);

}  // namespace kd
