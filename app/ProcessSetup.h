#pragma once
// Process-wide settings made once, first thing in main(), before any other
// thread or library work starts.

#include <thread>

namespace kd {

// At most two malloc arenas: playback's streaming threads would otherwise
// each get an arena of their own, whose freed memory stays resident. A value
// the user set in MALLOC_ARENA_MAX is kept.
void TuneMemoryAllocator();

// Reads the font configuration on another thread while the main thread
// connects to the display: the first text the window draws then finds it
// ready. The thread (none when it cannot be made) is joined when the
// returned object is destroyed or joined; until then nothing else may depend
// on it having finished (the font library's own start is safe to run twice
// at once).
std::jthread WarmUpFontConfiguration();

}  // namespace kd
