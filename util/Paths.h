#pragma once
// Path helpers. "/" is the only separator; names that users know from other
// systems (drive letters, "\") are handled by the readers that meet them.

#include <QString>
#include <QStringView>

namespace kd {

// "" for "", the text unchanged when it already ends with "/", else text + "/".
QString WithTrailingSeparator(const QString& text);
// The index of the last "/", or -1 when there is none.
qsizetype LastSlash(QStringView path);
// The characters after the last "/", or the whole text.
QString GetFileName(const QString& path);
// The characters after the last "."; the whole text when there is no "." at
// all; "" when the text ends with ".".
QString GetExtension(const QString& path);
// The characters before the last "."; the text unchanged when it has none.
QString StripExtension(const QString& path);
// The characters up to and including the last "/"; "" when there is none.
QString GetDirPart(const QString& path);
// True for an existing regular file (links followed).
bool FileExists(const QString& path);
// True when the last four characters, upper-cased, are ".GIF", ".BMP" or ".JPG".
bool IsPicture(const QString& path);
// Trims blanks from the base, then looks for base + ".BMP", ".GIF", ".JPG"
// (names compared without regard to case); the later hit wins, so a JPEG is
// preferred. Returns the path as it is on disk, or "".
QString FindPicture(const QString& base);
// True for addresses the media engine streams: "http:" or "https:" in any case.
bool IsStreamUrl(const QString& text);
// The path of an existing regular file whose name matches the last component
// of `path` without regard to case (the exact name first); "" when none.
QString FindFileIgnoringCase(const QString& path);

}  // namespace kd
