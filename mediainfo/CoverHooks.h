#pragma once
// Where playback hands pictures to the cover display. The default does
// nothing; the cover feature overrides it.

#include <QString>

namespace kd {

class CoverHooks {
 public:
  virtual ~CoverHooks() = default;
  // Shows one picture file (a picture entry of the playlist).
  virtual void loadCover(const QString& path) {}
  // Finds and shows the picture of an MPEG track from its tag's artist and
  // album; `dir` is the track's folder with a trailing "/".
  virtual void loadTagCover(const QString& dir, const QString& artist, const QString& album) {}
};

}  // namespace kd
