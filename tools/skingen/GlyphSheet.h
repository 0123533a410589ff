#pragma once
// The bitmap fonts of the skin's displays, laid out the way the player cuts
// them: a digit strip (0-9, blank, ".", ":") or the three-row letter font.

#include <QImage>
#include <QString>

#include "SkinLayout.h"

namespace kd::skingen {

// The sheet of all cells of `font`, on the font's paper colour.
QImage RenderGlyphFont(const GlyphFont& font);

// The (column, row) of a character in the letter font; the blank cell for a
// character the font does not have.
QPoint LetterCell(QChar c);

// The characters of row 1, columns 12 to 28, of the letter font.
inline const QString kLetterPunctuation = QStringLiteral(":()-'!_+\\/[]^&.=#");

}  // namespace kd::skingen
