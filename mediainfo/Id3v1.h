#pragma once
// The 128-byte ID3 version 1 tag at the end of an MPEG audio file.

#include <QByteArrayView>

#include "mediainfo/Mp3Info.h"

#include "util/TextCodec.h"

namespace kd {

// Byte layout of the tag, offsets from the start of "TAG". The comment's
// last byte (125) is the one that version 1.1 tags set to 0 before the track.
namespace id3v1 {
inline constexpr qsizetype kSize = 128;
inline constexpr qsizetype kTitle = 3, kTitleSize = 30;
inline constexpr qsizetype kArtist = 33, kArtistSize = 30;
inline constexpr qsizetype kAlbum = 63, kAlbumSize = 30;
inline constexpr qsizetype kYear = 93, kYearSize = 4;
inline constexpr qsizetype kComment = 97, kCommentSize = 29;
inline constexpr qsizetype kTrack = 126;
inline constexpr qsizetype kGenre = 127;
}  // namespace id3v1

// True when `fileEnd` (the last bytes of a file, at least 128) ends in a tag:
// its last 128 bytes start with exactly "TAG".
bool HasId3v1Tag(QByteArrayView fileEnd);

// Reads the tag held in the last 128 bytes of `fileEnd` into `info` (which
// is reset first). Each text field is cut at its first NUL and decoded as
// UTF-8 when valid, else in the legacy code page; blanks are kept. Returns
// false, leaving `info` reset, when there is no tag.
bool ParseId3v1(QByteArrayView fileEnd, ID3Info& info,
                const QByteArray& codepage = kDefaultCodepage);

// The 128 bytes of a tag holding `info`: "TAG", then each text field encoded
// in the legacy code page, cut on a character boundary to its byte width and
// padded with blanks, then the track and genre bytes.
QByteArray BuildId3v1(const ID3Info& info, const QByteArray& codepage = kDefaultCodepage);

}  // namespace kd
