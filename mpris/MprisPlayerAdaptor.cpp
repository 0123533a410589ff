#include "mpris/MprisPlayerAdaptor.h"

#include <QDBusError>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Commands.h"
#include "mpris/MprisNames.h"
#include "mpris/MprisService.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"

namespace kd {

namespace {

const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString kNotSupported = QStringLiteral("org.freedesktop.DBus.Error.NotSupported");
const QString kFileNotFound = QStringLiteral("org.freedesktop.DBus.Error.FileNotFound");

int millisecondsOf(qlonglong microseconds) {
  const qlonglong ms = microseconds / 1000;
  return static_cast<int>(
      std::clamp<qlonglong>(ms, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), m_service(*service) {
  connect(service, &MprisService::seeked, this, &MprisPlayerAdaptor::Seeked);
}

void MprisPlayerAdaptor::fail(const QString& errorName, const QString& message) {
  m_service.failCall(errorName, message);
}

void MprisPlayerAdaptor::run(int code, int argument) {
  m_service.commands().execute(code, argument);
}

void MprisPlayerAdaptor::reannounce(const char* property) {
  m_service.announceChange(kMprisPlayerInterface, QString::fromLatin1(property));
}

// --- properties ---------------------------------------------------------------

QString MprisPlayerAdaptor::playbackStatus() const {
  switch (m_service.model().status()) {
    case PlayStatus::Playing:
      return QStringLiteral("Playing");
    case PlayStatus::Paused:
      return QStringLiteral("Paused");
    case PlayStatus::Stopped:
      break;
  }
  return QStringLiteral("Stopped");
}

// The repeat mode plays the current entry again: a loop of one track.
QString MprisPlayerAdaptor::loopStatus() const {
  return m_service.model().modes().repeat ? QStringLiteral("Track") : QStringLiteral("None");
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
  const bool wanted = status == QLatin1String("Track");
  // "Playlist" (and anything else) is no mode of this player.
  if ((wanted || status == QLatin1String("None")) && wanted != m_service.model().modes().repeat) {
    m_service.commands().execute(Command::ToggleRepeat);
  }
  reannounce("LoopStatus");
}

double MprisPlayerAdaptor::rate() const {
  return m_service.model().rate() + 0.5;
}

void MprisPlayerAdaptor::setRate(double rate) {
  if (std::isfinite(rate) && rate >= kMinimumRate && rate <= kMaximumRate) {
    run(static_cast<int>(Command::SetRate), static_cast<int>(std::lround(rate * 1000)));
  }
  reannounce("Rate");
}

bool MprisPlayerAdaptor::shuffle() const {
  return m_service.model().modes().shuffle;
}

void MprisPlayerAdaptor::setShuffle(bool on) {
  if (on != shuffle()) m_service.commands().execute(Command::ToggleShuffle);
}

QVariantMap MprisPlayerAdaptor::metadata() const {
  return m_service.metadata();
}

double MprisPlayerAdaptor::volume() const {
  return m_service.model().volume();
}

void MprisPlayerAdaptor::setVolume(double volume) {
  if (!std::isnan(volume)) {
    const double level = std::clamp(volume, 0.0, 1.0);
    run(static_cast<int>(Command::SetVolume), static_cast<int>(std::lround(level * 100)));
  }
  reannounce("Volume");
}

qlonglong MprisPlayerAdaptor::position() const {
  return m_service.positionMicroseconds();
}

bool MprisPlayerAdaptor::hasEntries() const {
  return m_service.playlist().count() > 0;
}

bool MprisPlayerAdaptor::canSeek() const {
  const PlayerModel& model = m_service.model();
  return model.isActive() && !model.item().isStream && model.length() > 0;
}

// --- methods --------------------------------------------------------------------

void MprisPlayerAdaptor::Next() {
  m_service.commands().execute(Command::NextEntry);
}

void MprisPlayerAdaptor::Previous() {
  m_service.commands().execute(Command::PreviousEntry);
}

void MprisPlayerAdaptor::Pause() {
  if (m_service.model().status() == PlayStatus::Playing) {
    m_service.commands().execute(Command::Pause);
  }
}

void MprisPlayerAdaptor::PlayPause() {
  m_service.commands().execute(Command::PlayPause);
}

void MprisPlayerAdaptor::Stop() {
  m_service.commands().execute(Command::Stop);
}

// Play starts from the beginning only when stopped; a paused item goes on.
void MprisPlayerAdaptor::Play() {
  switch (m_service.model().status()) {
    case PlayStatus::Stopped:
      m_service.commands().execute(Command::Play);
      break;
    case PlayStatus::Paused:
      m_service.commands().execute(Command::Pause);
      break;
    case PlayStatus::Playing:
      break;
  }
}

void MprisPlayerAdaptor::Seek(qlonglong offset) {
  if (!canSeek()) return;
  // Past the end goes on to the next entry, as the item's end would.
  if (offset > 0 && position() + offset >= m_service.lengthMicroseconds()) {
    Next();
    return;
  }
  run(static_cast<int>(Command::SeekBy), millisecondsOf(offset));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
  if (trackId.path() != m_service.trackId()) {
    fail(kInvalidArgs, QStringLiteral("Track %1 is not the current track").arg(trackId.path()));
    return;
  }
  if (position < 0 || position > m_service.lengthMicroseconds()) {
    fail(kInvalidArgs, QStringLiteral("Position %1 lies outside the track").arg(position));
    return;
  }
  if (!canSeek()) return;
  run(static_cast<int>(Command::SeekToMilliseconds), millisecondsOf(position));
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
  const QUrl url(uri, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || !SupportedUriSchemes().contains(scheme)) {
    fail(kNotSupported, QStringLiteral("Cannot open \"%1\": only file, http and https addresses")
                            .arg(uri.left(200)));
    return;
  }
  QString target = url.toString();
  if (scheme == QLatin1String("file")) {
    target = url.toLocalFile();
    if (target.isEmpty() || !QFileInfo::exists(target)) {
      fail(kFileNotFound, QStringLiteral("No such file or folder: %1").arg(target));
      return;
    }
  }
  m_service.commands().execute(Command::AppendAndPlay, target);
}

}  // namespace kd
