#include "mpris/MprisService.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QUrl>
#include <cmath>

#include "mpris/InstanceAdaptor.h"
#include "mpris/MprisNames.h"
#include "mpris/MprisPlayerAdaptor.h"
#include "mpris/MprisRootAdaptor.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"

namespace kd {

namespace {

qlonglong toMicroseconds(double seconds) {
  if (!std::isfinite(seconds) || seconds <= 0) return 0;
  return static_cast<qlonglong>(std::llround(seconds * 1e6));
}

QString addressOf(const QString& path) {
  if (path.startsWith(QLatin1Char('/'))) {
    return QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
  }
  return path;
}

}  // namespace

MprisService::MprisService(const PlayerModel& model, const Playlist& playlist,
                           CommandExecutor& commands, Sources sources, QObject* parent)
    : QObject(parent),
      m_model(model),
      m_playlist(playlist),
      m_commands(commands),
      m_sources(std::move(sources)) {
  // The adaptors are children of this object; the bus sees them as its interfaces.
  m_root = new MprisRootAdaptor(this);
  m_player = new MprisPlayerAdaptor(this);
  new InstanceAdaptor(this);
  m_sendTimer.setSingleShot(true);
  m_sendTimer.setInterval(0);
  connect(&m_sendTimer, &QTimer::timeout, this, &MprisService::sendChanges);
  watchModel();
}

MprisService::~MprisService() {
  if (!m_published) return;
  m_bus.unregisterService(kMprisServiceName);
  m_bus.unregisterObject(kMprisObjectPath);
}

bool MprisService::publish(QDBusConnection bus) {
  if (m_published || !bus.isConnected()) return false;
  if (!bus.registerObject(kMprisObjectPath, this)) return false;
  if (!bus.registerService(kMprisServiceName)) {
    bus.unregisterObject(kMprisObjectPath);
    return false;
  }
  m_bus = bus;
  m_published = true;
  return true;
}

void MprisService::watchModel() {
  const QString player = kMprisPlayerInterface;
  const auto on = [this, player](auto signal, QStringList properties) {
    connect(&m_model, signal, this, [this, player, properties] {
      for (const QString& property : properties) announceChange(player, property);
    });
  };
  on(&PlayerModel::statusChanged, {QStringLiteral("PlaybackStatus"), QStringLiteral("CanSeek")});
  on(&PlayerModel::lengthChanged, {QStringLiteral("Metadata"), QStringLiteral("CanSeek")});
  on(&PlayerModel::tagsChanged, {QStringLiteral("Metadata")});
  on(&PlayerModel::volumeChanged, {QStringLiteral("Volume")});
  on(&PlayerModel::rateChanged, {QStringLiteral("Rate")});
  on(&PlayerModel::modesChanged, {QStringLiteral("LoopStatus"), QStringLiteral("Shuffle")});
  connect(&m_model, &PlayerModel::itemChanged, this, [this, player] {
    ++m_trackSerial;
    announceChange(player, QStringLiteral("Metadata"));
    announceChange(player, QStringLiteral("CanSeek"));
  });
  connect(&m_model, &PlayerModel::seeked, this,
          [this](double seconds) { emit seeked(toMicroseconds(seconds)); });

  connect(&m_playlist, &Playlist::countChanged, this, [this, player] {
    for (const char* name : {"CanPlay", "CanPause", "CanGoNext", "CanGoPrevious"})
      announceChange(player, QString::fromLatin1(name));
  });
  // The entry's name changes once its tag is read.
  connect(&m_playlist, &QAbstractItemModel::dataChanged, this,
          [this, player](const QModelIndex& top, const QModelIndex& bottom) {
            const int row = m_model.item().entryNumber - 1;
            if (row >= top.row() && row <= bottom.row())
              announceChange(player, QStringLiteral("Metadata"));
          });
}

void MprisService::failCall(const QString& errorName, const QString& message) const {
  if (calledFromDBus()) sendErrorReply(errorName, message);
}

void MprisService::announceChange(const QString& interface, const QString& property) {
  m_pending[interface].insert(property);
  if (!m_sendTimer.isActive()) m_sendTimer.start();
}

void MprisService::sendChanges() {
  const auto pending = std::exchange(m_pending, {});
  if (!m_published) return;
  for (auto it = pending.constBegin(); it != pending.constEnd(); ++it) {
    QObject* adaptor = it.key() == kMprisPlayerInterface ? m_player : m_root;
    QVariantMap changed;
    for (const QString& property : it.value()) {
      changed.insert(property, adaptor->property(property.toLatin1().constData()));
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        kMprisObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << it.key() << changed << QStringList();
    m_bus.send(signal);
  }
}

QString MprisService::trackId() const {
  if (m_model.item().path.isEmpty()) return kNoTrackPath;
  return QStringLiteral("/org/kavorodeck/track/%1").arg(m_trackSerial);
}

qlonglong MprisService::positionMicroseconds() const {
  return toMicroseconds(m_sources.position ? m_sources.position() : m_model.position());
}

qlonglong MprisService::lengthMicroseconds() const {
  return toMicroseconds(m_model.length());
}

QVariantMap MprisService::metadata() const {
  const CurrentItem& item = m_model.item();
  QVariantMap data;
  data.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(trackId())));
  if (item.path.isEmpty()) return data;

  // The entry's display name as the playlist shows it now (a tag read later
  // renames it), as long as the entry still holds this item.
  QString title = item.name;
  const int row = item.entryNumber - 1;
  if (row >= 0 && row < m_playlist.count() && m_playlist.entry(row).path == item.path) {
    title = m_playlist.entry(row).name;
  }
  data.insert(QStringLiteral("xesam:title"), title);
  data.insert(QStringLiteral("xesam:url"), addressOf(item.path));
  if (const qlonglong length = lengthMicroseconds(); length > 0) {
    data.insert(QStringLiteral("mpris:length"), length);
  }
  const QString artist = m_model.tags().artist.trimmed();
  const QString album = m_model.tags().album.trimmed();
  if (!artist.isEmpty()) data.insert(QStringLiteral("xesam:artist"), QStringList{artist});
  if (!album.isEmpty()) data.insert(QStringLiteral("xesam:album"), album);
  const QString cover = m_sources.coverPath ? m_sources.coverPath() : QString();
  if (!cover.isEmpty()) data.insert(QStringLiteral("mpris:artUrl"), addressOf(cover));
  return data;
}

}  // namespace kd
