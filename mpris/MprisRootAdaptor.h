#pragma once
// org.mpris.MediaPlayer2: who the player is and what it opens; Raise, Quit.

#include <QDBusAbstractAdaptor>
#include <QStringList>

#include "mpris/MprisNames.h"

namespace kd {

class MprisService;

class MprisRootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ canQuit)
  Q_PROPERTY(bool CanRaise READ canRaise)
  Q_PROPERTY(bool CanSetFullscreen READ canSetFullscreen)
  Q_PROPERTY(bool Fullscreen READ fullscreen)
  Q_PROPERTY(bool HasTrackList READ hasTrackList)
  Q_PROPERTY(QString Identity READ identity)
  Q_PROPERTY(QString DesktopEntry READ desktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
  Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)

 public:
  explicit MprisRootAdaptor(MprisService* service);

  bool canQuit() const { return true; }
  bool canRaise() const { return true; }
  bool canSetFullscreen() const { return false; }
  bool fullscreen() const { return false; }
  bool hasTrackList() const { return false; }
  QString identity() const { return QStringLiteral("kavorodeck"); }
  QString desktopEntry() const { return QStringLiteral("kavorodeck"); }
  QStringList supportedUriSchemes() const { return SupportedUriSchemes(); }
  QStringList supportedMimeTypes() const { return SupportedMimeTypes(); }

 public slots:
  void Raise();
  void Quit();

 private:
  MprisService& m_service;
};

}  // namespace kd
