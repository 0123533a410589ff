#pragma once
// The names kavorodeck uses on the session bus.

#include <QString>
#include <QStringList>

namespace kd {

inline const QString kMprisServiceName = QStringLiteral("org.mpris.MediaPlayer2.kavorodeck");
inline const QString kMprisObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
inline const QString kMprisRootInterface = QStringLiteral("org.mpris.MediaPlayer2");
inline const QString kMprisPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// Our own interface on the same object: a second start hands its files over.
inline const QString kInstanceInterface = QStringLiteral("org.kavorodeck.Instance");
inline const QString kNoTrackPath = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

// The MIME types the player opens, as the desktop entry lists them.
QStringList SupportedMimeTypes();
// The address schemes OpenUri takes.
QStringList SupportedUriSchemes();

}  // namespace kd
