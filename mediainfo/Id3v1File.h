#pragma once
// Reading and saving the 128-byte tag of a file on disk. Saving touches the
// tag's own bytes only: it writes them over the tag at the end of the file or
// appends them, never rewrites the audio, and never creates a file.

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "mediainfo/Mp3Info.h"
#include "util/TextCodec.h"

namespace kd {

// Files shorter than this carry no tag the player reads or writes.
inline constexpr qint64 kMinimumTaggedFileSize = 256;

enum class TagSaveResult {
  Added,     // the file had no tag; one was appended
  Updated,   // the tag at the end of the file was replaced
  TooShort,  // shorter than 256 bytes: left as it was
  Failed,    // not an existing, writable regular file, or the write failed
};

// The tag of the regular file at `path` (`present` false when it has none);
// nullopt when the file is missing, unreadable, not a regular file or
// shorter than 256 bytes.
std::optional<ID3Info> ReadId3v1File(const QString& path,
                                     const QByteArray& codepage = kDefaultCodepage);

// Writes the 128 bytes `tag` (see BuildId3v1) into the file at `path`: over
// the last 128 bytes when they start with exactly "TAG", else after the end.
// A file without any write permission bit counts as read-only and is refused,
// whoever runs the program. The bytes are flushed to disk and read back; when
// the write fails, the old tag is put back or the appended bytes are cut off.
TagSaveResult SaveId3v1File(const QString& path, QByteArrayView tag);

}  // namespace kd
