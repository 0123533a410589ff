#pragma once
// Where playback hands pictures to the cover display. The default does
// nothing; the cover feature overrides it.

#include <QByteArray>
#include <QString>

namespace kd {

// What is known of a started track for finding its cover.
struct TrackCoverQuery {
  QString dir;     // the track's folder, with a trailing "/"
  QString artist;  // as the tag holds them (ID3v1 fields untrimmed)
  QString album;
  QByteArray embeddedPicture;  // the picture inside the file, encoded; empty when none
};

class CoverHooks {
 public:
  virtual ~CoverHooks() = default;
  // Shows one picture file (a picture entry of the playlist).
  virtual void loadCover(const QString& path) {}
  // Finds and shows the picture of a track from its tag's artist and album;
  // `dir` is the track's folder with a trailing "/".
  virtual void loadTagCover(const QString& dir, const QString& artist, const QString& album) {}
  // Finds and shows the picture of a started track: the pictures named after
  // its tag first, then the fallbacks of today's music. By default only the
  // tag's names.
  virtual void loadTrackCover(const TrackCoverQuery& query) {
    loadTagCover(query.dir, query.artist, query.album);
  }
};

}  // namespace kd
