#include "playback/CurrentTrackFile.h"

#include "playback/PlayerModel.h"
#include "playback/Transport.h"

namespace kd {

QString CurrentTrackFile::currentTrackPath() const {
  return m_transport.model().item().path;
}

bool CurrentTrackFile::isCurrentFile(const QString& path) const {
  const CurrentItem& item = m_transport.model().item();
  return !path.isEmpty() && !item.isStream && item.path == path;
}

void CurrentTrackFile::rewriteFile(const QString& path, const std::function<void()>& write) {
  if (isCurrentFile(path)) {
    m_transport.rewritePlayingFile(write);
  } else {
    write();
  }
}

void CurrentTrackFile::tagChanged(const QString& path, const ID3Info& tag) {
  if (isCurrentFile(path)) m_transport.retagCurrent(tag);
}

}  // namespace kd
