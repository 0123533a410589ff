#pragma once
// The player as the track window sees it: the current track's path, and
// changes of that file made while it plays.

#include "mediainfo/TrackFileHooks.h"

namespace kd {

class Transport;

class CurrentTrackFile : public TrackFileHooks {
 public:
  explicit CurrentTrackFile(Transport& transport) : m_transport(transport) {}

  QString currentTrackPath() const override;
  void rewriteFile(const QString& path, const std::function<void()>& write) override;
  void tagChanged(const QString& path, const ID3Info& tag) override;

 private:
  // The current track is the file at `path` (never a stream's address).
  bool isCurrentFile(const QString& path) const;

  Transport& m_transport;
};

}  // namespace kd
