#pragma once
// What the media engine reports about an item's contents while it gets ready
// to play: the title, artist and album of whatever tag the file carries
// (ID3v2, Vorbis comments, FLAC, MP4 ...) and the encoded bytes of a picture
// embedded in it.

#include <QByteArray>
#include <QString>

namespace kd {

struct MediaTags {
  QString title;
  QString artist;
  QString album;
  // The embedded picture as stored in the file (JPEG, PNG ...); empty when none.
  QByteArray picture;
  bool operator==(const MediaTags&) const = default;
};

}  // namespace kd
