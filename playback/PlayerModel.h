#pragma once
// The player's state as one observable object: what plays, where it stands,
// the output levels and rate, the modes and the facts of the current MPEG
// item. The transport, the position tick, the levels and the mode commands
// change it; the skin presenter, the tray, the scheduler and remote controls
// watch its signals. Nothing here knows how a skin shows it.

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "mediainfo/Mp3Info.h"
#include "playback/ItemKind.h"

namespace kd {

enum class PlayStatus { Stopped, Playing, Paused };

struct PlayModes {
  bool intro = false;          // play the first seconds of each entry
  bool stopAfterEach = false;  // stop when an entry ends
  bool repeat = false;         // play the same entry again
  bool shuffle = false;        // pick the next entry at random
  bool operator==(const PlayModes&) const = default;
};

// The current item's title, artist and album: the MPEG item's ID3v1 tag
// where it has them, else what the media engine found in the file. Empty
// texts where neither has one.
struct TrackTags {
  QString title;
  QString artist;
  QString album;
  bool operator==(const TrackTags&) const = default;
};

// What the current entry is, as the transport found it.
struct CurrentItem {
  int entryNumber = 0;  // 1-based position in the playlist when it started
  QString path;         // path or stream address
  QString name;         // display name
  ItemKind kind = ItemKind::Other;
  bool isStream = false;
  bool operator==(const CurrentItem&) const = default;
};

class PlayerModel : public QObject {
  Q_OBJECT
 public:
  static constexpr float kNormalRate = 0.5f;  // the rate value of normal speed
  static constexpr float kCentre = 0.5f;      // the balance value of both sides alike

  explicit PlayerModel(QObject* parent = nullptr) : QObject(parent) {}

  PlayStatus status() const { return m_status; }
  // Playing or paused: an item is loaded and counts as playing.
  bool isActive() const { return m_status != PlayStatus::Stopped; }
  bool isPaused() const { return m_status == PlayStatus::Paused; }
  void setStatus(PlayStatus status);

  const CurrentItem& item() const { return m_item; }
  void setItem(const CurrentItem& item);
  // Announces that the current item began to play (its length is known as
  // far as it can be).
  void announceStarted() { emit itemStarted(); }
  // Announces that the item was sent to `seconds` (a jump, not the steady
  // advance of playing).
  void announceSeek(double seconds) { emit seeked(seconds); }

  // Seconds; 0 for a stream or while unknown.
  double length() const { return m_length; }
  void setLength(double seconds);
  // The playing position in seconds; published once per change.
  double position() const { return m_position; }
  void setPosition(double seconds);
  // The time display counts down to the end instead of up from the start.
  bool timeCountsDown() const { return m_timeCountsDown; }
  void setTimeCountsDown(bool down);
  // Whole seconds the time display shows: the position, or what remains.
  int32_t shownSeconds() const;

  // While the position knob is held: where it stands (0..1) once moved, so
  // the time under it shows before anything is sought.
  bool isPositionHeld() const { return m_positionHeld; }
  std::optional<float> positionPreview() const { return m_positionPreview; }
  void holdPosition();
  void previewPosition(float fraction);
  void releasePosition();

  // Output volume and balance as the knobs show them (0..1), mute.
  float volume() const { return m_volume; }
  void setVolume(float volume);
  float balance() const { return m_balance; }
  void setBalance(float balance);
  bool isMuted() const { return m_muted; }
  void setMuted(bool muted);
  // The rate value 0..1; the item plays at value + 0.5 times normal speed.
  float rate() const { return m_rate; }
  void setRate(float rate);

  const PlayModes& modes() const { return m_modes; }
  void setModes(const PlayModes& modes);

  // A-B repeat points in whole seconds; an end of 0 means no repeat.
  int32_t repeatStart() const { return m_repeatStart; }
  int32_t repeatEnd() const { return m_repeatEnd; }
  void setRepeatPoints(int32_t start, int32_t end);

  // Whether the current item has two channels (the stereo light).
  bool isStereo() const { return m_stereo; }
  void setStereo(bool stereo);
  // Header and tag of the current MPEG item; nullopt for any other item.
  const std::optional<Mp3Facts>& mpegFacts() const { return m_mpeg; }
  void setMpegFacts(std::optional<Mp3Facts> facts);
  // Title, artist and album of the current item.
  const TrackTags& tags() const { return m_tags; }
  void setTags(const TrackTags& tags);

 signals:
  void statusChanged(PlayStatus status);
  void itemChanged();
  void itemStarted();
  void seeked(double seconds);
  void lengthChanged(double seconds);
  void positionChanged(double seconds);
  void timeDirectionChanged(bool countsDown);
  void positionPreviewChanged();
  void volumeChanged(float volume);
  void balanceChanged(float balance);
  void mutedChanged(bool muted);
  void rateChanged(float rate);
  void modesChanged();
  void repeatPointsChanged();
  void stereoChanged(bool stereo);
  void mpegFactsChanged();
  void tagsChanged();

 private:
  PlayStatus m_status = PlayStatus::Stopped;
  CurrentItem m_item;
  double m_length = 0;
  double m_position = 0;
  bool m_timeCountsDown = false;
  bool m_positionHeld = false;
  std::optional<float> m_positionPreview;
  float m_volume = 1.0f;
  float m_balance = kCentre;
  bool m_muted = false;
  float m_rate = kNormalRate;
  PlayModes m_modes;
  int32_t m_repeatStart = 0;
  int32_t m_repeatEnd = 0;
  bool m_stereo = false;
  std::optional<Mp3Facts> m_mpeg;
  TrackTags m_tags;
};

}  // namespace kd
