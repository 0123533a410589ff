#pragma once
// How the player treats an entry, by the extension of its path (any case).

#include <QString>

namespace kd {

enum class ItemKind {
  Mpeg,      // MP2, MP3, MPA: header and tag are read, then the engine plays it
  Picture,   // BMP, GIF, JPG: shown as the cover for a fixed time
  Document,  // TXT, DOC, BAT, COM, EXE, LNK: playback halts on it
  Other,     // everything else goes to the engine
};

ItemKind ClassifyItem(const QString& path);

}  // namespace kd
