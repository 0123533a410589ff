#pragma once
// org.kavorodeck.Instance on the player's object: a second start of the
// program hands its paths over here and ends.

#include <QDBusAbstractAdaptor>
#include <QStringList>

namespace kd {

class MprisService;

class InstanceAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kavorodeck.Instance")

 public:
  explicit InstanceAdaptor(MprisService* service);

 public slots:
  // Appends the absolute paths of existing files and folders (and http or
  // https addresses) in order; the first plays when the player is stopped.
  // No paths raise the window. Returns the paths it did not take; when it
  // took none of them the reply is a FileNotFound error.
  QStringList Open(const QStringList& paths);

 private:
  MprisService& m_service;
};

}  // namespace kd
