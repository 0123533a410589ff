#pragma once
// The genre list of the tag editor: item 0 "Unknown", then the 80 genres of
// the tag's genre byte 0..79 in order (item i stands for genre byte i - 1).

#include <QStringList>
#include <cstdint>

namespace kd {

inline constexpr int kGenreCount = 80;
// Written for "Unknown" or no choice.
inline constexpr uint8_t kUnknownGenreByte = 254;

// The 81 list items.
const QStringList& GenreNames();
// The list item that shows genre byte `genre`: genre + 1, or 0 ("Unknown")
// for bytes above 79.
int GenreItem(uint8_t genre);
// The genre byte stored for list item `item`: item - 1, or 254 for item 0,
// no item (-1) or an item past the list.
uint8_t GenreByte(int item);

}  // namespace kd
