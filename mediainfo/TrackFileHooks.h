#pragma once
// What the track window needs of the player: which file plays, and a way to
// change that file while it plays. The playback side implements it; an
// interface without code, so the media information library does not link
// playback.

#include <QString>
#include <functional>

#include "mediainfo/Mp3Info.h"

namespace kd {

class TrackFileHooks {
 public:
  virtual ~TrackFileHooks() = default;
  // The path of the current track, "" when there is none.
  virtual QString currentTrackPath() const = 0;
  // Runs `write`, which changes the file at `path`. When that file is the
  // one playing, playback lets go of it for the write and goes on where it
  // was afterwards.
  virtual void rewriteFile(const QString& path, const std::function<void()>& write) = 0;
  // The tag of the file at `path` is now `tag`: when it is the current
  // track, the player shows the new tag at once.
  virtual void tagChanged(const QString& path, const ID3Info& tag) = 0;
};

}  // namespace kd
