#pragma once
// org.mpris.MediaPlayer2.Player: the transport, the modes, volume and rate,
// and what plays. Every method and property write runs a command; a call
// that cannot be carried out gets an error reply and changes nothing.

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace kd {

class MprisService;

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
  Q_PROPERTY(QString LoopStatus READ loopStatus WRITE setLoopStatus)
  Q_PROPERTY(double Rate READ rate WRITE setRate)
  Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
  Q_PROPERTY(QVariantMap Metadata READ metadata)
  Q_PROPERTY(double Volume READ volume WRITE setVolume)
  Q_PROPERTY(qlonglong Position READ position)
  Q_PROPERTY(double MinimumRate READ minimumRate)
  Q_PROPERTY(double MaximumRate READ maximumRate)
  Q_PROPERTY(bool CanGoNext READ hasEntries)
  Q_PROPERTY(bool CanGoPrevious READ hasEntries)
  Q_PROPERTY(bool CanPlay READ hasEntries)
  Q_PROPERTY(bool CanPause READ hasEntries)
  Q_PROPERTY(bool CanSeek READ canSeek)
  Q_PROPERTY(bool CanControl READ canControl)

 public:
  static constexpr double kMinimumRate = 0.5;
  static constexpr double kMaximumRate = 1.5;

  explicit MprisPlayerAdaptor(MprisService* service);

  QString playbackStatus() const;
  QString loopStatus() const;
  void setLoopStatus(const QString& status);
  double rate() const;
  void setRate(double rate);
  bool shuffle() const;
  void setShuffle(bool on);
  QVariantMap metadata() const;
  double volume() const;
  void setVolume(double volume);
  qlonglong position() const;
  double minimumRate() const { return kMinimumRate; }
  double maximumRate() const { return kMaximumRate; }
  bool hasEntries() const;
  bool canSeek() const;
  bool canControl() const { return true; }

 public slots:
  void Next();
  void Previous();
  void Pause();
  void PlayPause();
  void Stop();
  void Play();
  void Seek(qlonglong offset);
  void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
  void OpenUri(const QString& uri);

 signals:
  void Seeked(qlonglong Position);

 private:
  void fail(const QString& errorName, const QString& message);
  void run(int code, int argument);
  // The property's value may not have changed (an unsupported value was
  // ignored): the client is told the value it has.
  void reannounce(const char* property);

  MprisService& m_service;
};

}  // namespace kd
