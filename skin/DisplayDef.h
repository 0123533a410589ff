#pragma once
// How one bitmap-font display cuts its cells out of the resource bitmap.

#include <cstdint>

namespace kd {

// Font kinds of a display.
enum class FontKind : int16_t {
  DigitStrip = 0,     // one row: digits 0-9, blank, ".", ":"
  CharacterGrid = 1,  // 16 x 6 cells for the codes 32..127
  UpperCaseGrid = 2,  // the same grid, text upper-cased first
  LetterFont = 3,     // three rows of letters, digits and signs
};

struct DisplayDef {
  int16_t SrcX = 0;  // top-left corner of the font's first cell in the resource bitmap
  int16_t SrcY = 0;
  int16_t CellWidth = 0;
  int16_t CellHeight = 0;
  int16_t NarrowWidth = 0;  // drawn width of "." and ":" in the digit strip
  int16_t FontKind = 0;     // see kd::FontKind; other values draw nothing
  int16_t Spacing = 0;      // extra pixels after every drawn cell
  int16_t Format = 0;       // how a value becomes text; cell count of text fonts
};

}  // namespace kd
