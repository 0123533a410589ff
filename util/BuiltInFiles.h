#pragma once
// The program's own files (the default skin with its bitmaps, nocover.bmp)
// are also built into the executable, under ":/kavorodeck/", so a copy of the
// executable without its program folder still comes up with its face.

#include <QString>

namespace kd {

// When no program folder holds the default skin or the "no cover" picture,
// the built-in files are unpacked into `cacheFolder` (a file is rewritten
// only when it differs) and that folder becomes the last program folder.
// Returns the folder used, "" when nothing was needed or nothing is built in.
QString UseBuiltInFilesWhenMissing(const QString& cacheFolder);

// $XDG_CACHE_HOME/kavorodeck/builtin/ (default ~/.cache/...).
QString BuiltInCacheFolder();

}  // namespace kd
