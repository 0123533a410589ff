#pragma once
// Turns the files of a classic skin into the same plain skin data a .skin
// file gives. The window's own picture is main.bmp with the title bar and
// every control in its resting look drawn over it; everything that changes
// (pressed buttons, the on looks of shuffle and repeat, the play status and
// stereo lamps, the volume and balance frames, the time digits and the text
// font) is cut into the resource bitmap. A missing file other than main.bmp
// is taken from our base classic skin; a sprite that reaches outside a file
// smaller than usual draws nothing there: the picture below shows through.
//
// Sizes: full is the main window with a playlist below it in the colours of
// pledit.txt, half the main window alone, small the title bar alone.

#include <QString>
#include <optional>

#include "skin/SkinDocument.h"
#include "skin/classic/ClassicSkinFiles.h"

namespace kd::classic {

inline constexpr int kPlaylistHeight = 116;

// The skin data; nullopt when the files hold no decodable main.bmp.
// `fullPath` is the archive (or the folder's main.bmp), `name` the text the
// skin's information shows; `outlineBudget` bounds filling region.txt.
std::optional<SkinDocument> BuildSkin(const SkinFiles& files, const QString& fullPath,
                                      const QString& name, int64_t outlineBudget);

}  // namespace kd::classic
