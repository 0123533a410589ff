#pragma once
// The player on the session bus under org.mpris.MediaPlayer2.kavorodeck: the
// MPRIS 2 root and player interfaces and the hand-over interface of a second
// start, all on one object. It is a view of the player model and the playlist
// (PropertiesChanged follows their signals; nothing is polled) and a caller of
// the command executor, so a remote control does what a button does.

#include <QDBusConnection>
#include <QDBusContext>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <functional>

namespace kd {

class CommandExecutor;
class PlayerModel;
class Playlist;

// The bus's context of a call reaches an adaptor's slot through its parent,
// this object: failCall answers the call being served with an error.
class MprisService : public QObject, public QDBusContext {
  Q_OBJECT
 public:
  // What the model does not hold, read when asked.
  struct Sources {
    std::function<double()> position;    // where the item stands, in seconds
    std::function<QString()> coverPath;  // the cover picture shown, "" for none
  };

  MprisService(const PlayerModel& model, const Playlist& playlist, CommandExecutor& commands,
               Sources sources, QObject* parent = nullptr);
  ~MprisService() override;

  // Puts the object and the well-known name on `bus`; false (and nothing
  // left behind) when the bus is not connected or the name is taken.
  bool publish(QDBusConnection bus);

  const PlayerModel& model() const { return m_model; }
  const Playlist& playlist() const { return m_playlist; }
  CommandExecutor& commands() { return m_commands; }

  // The current track's object path; NoTrack when nothing is current.
  QString trackId() const;
  QVariantMap metadata() const;
  qlonglong positionMicroseconds() const;
  qlonglong lengthMicroseconds() const;

  // Answers the D-Bus call being served with an error instead of a reply.
  void failCall(const QString& errorName, const QString& message) const;

  // A property of `interface` changed; announced once the current event is done.
  void announceChange(const QString& interface, const QString& property);

 signals:
  void seeked(qlonglong positionMicroseconds);

 private:
  void watchModel();
  void sendChanges();

  const PlayerModel& m_model;
  const Playlist& m_playlist;
  CommandExecutor& m_commands;
  Sources m_sources;
  QDBusConnection m_bus{QString()};
  bool m_published = false;
  // A new number for every new current item, so a stale track id is told apart.
  quint64 m_trackSerial = 0;
  QObject* m_root = nullptr;
  QObject* m_player = nullptr;
  QHash<QString, QSet<QString>> m_pending;
  QTimer m_sendTimer;
};

}  // namespace kd
