#pragma once
// Addresses that skins link to. Only web and mail addresses are opened, never
// a command line.

#include <QString>
#include <QUrl>
#include <optional>

namespace kd {

// The address to open for a skin link text: http, https, ftp and mailto
// addresses as they are, "www." names with "http://" in front; anything else
// (a command, a file, an empty text) gives nothing.
std::optional<QUrl> WebLinkTarget(const QString& linkText);

}  // namespace kd
