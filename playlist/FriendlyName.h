#pragma once
// The text the playlist box shows for a path or a bare file name.

#include <QString>
#include <QStringView>

namespace kd {

// The name after the last "/". With friendly names on, the extension (a last
// dot within the last five characters) is dropped, every earlier dot and every
// "_" becomes a blank, and a leading two-digit track number such as "01-" or
// "07 -" is dropped when its value is above zero. The result is trimmed of
// blanks. With friendly names off only the name after the last "/" is kept,
// trimmed.
QString FriendlyName(QStringView path, bool friendlyNamesOn);

}  // namespace kd
