#pragma once
// The transport: turns the current playlist entry into something playing and
// carries out the user's play, stop, pause, next, previous, seek and rate
// actions. Every label, display, light and knob it changes goes to the
// PlayerView; the list selection goes to the Playlist.

#include <QString>
#include <memory>

#include "playback/ItemKind.h"
#include "playback/PlayerState.h"

namespace kd {

class CoverHooks;
class MediaEngine;
class MediaItem;
class MessageSink;
class Playlist;
class PlayerView;
class PositionTimer;
struct Settings;

// What playing entry TNum came to.
enum class PlayOutcome {
  Empty,     // the playlist is empty
  Stopped,   // stepped past the last entry: entry 1 is current, stopped
  Halted,    // a missing file or a document: nothing plays, the timer is off
  Playing,   // the engine or the picture timer runs the item
  NoEngine,  // the engine gave no item (the user was told)
  Refused,   // the engine refused the item; it was released
};

class Transport {
 public:
  static constexpr double kPictureSeconds = 5.0;
  static inline const QString kNotFoundMark = QStringLiteral("[FILE NOT FOUND]");
  static inline const QString kNoEngineMessage =
      QStringLiteral("Cannot create the IMediaControl object");

  Transport(PlayerState& state, Playlist& playlist, PlayerView& view, MediaEngine& engine,
            PositionTimer& timer, MessageSink& messages, CoverHooks& covers,
            const Settings& settings);
  ~Transport();
  Transport(const Transport&) = delete;
  Transport& operator=(const Transport&) = delete;

  // Plays entry TNum. An item the engine refuses is released and the player
  // stops quietly.
  void PlayIt();
  void StopIt();
  void PauseIt();
  void PlayPause();
  void NextTrack();
  void PrevTrack();
  // Ten seconds back / on.
  void Reverse();
  void Forward();
  // Seeks the engine item to `seconds`, kept inside the item; nothing for a
  // stream or an item of unknown length. The paused state is kept.
  void PlayFrom(int32_t seconds);
  // Applies slider value `value` (0..1) as the rate value + 0.5 and shows it.
  void SetRate(double value);
  // Releases the engine item (stopping it) and disables the position timer;
  // without an engine item nothing happens.
  void CleanUP();

  // Plays entry TNum and says what came of it. With `continuous` (an advance
  // of the position tick) a refused item leaves a refusal for the next tick
  // to take, which goes on as at the end of the item; otherwise nothing more
  // happens.
  PlayOutcome playCurrent(bool continuous);
  // True once after a continuous play was refused; any later play or stop
  // forgets it.
  bool takeRefusal();
  // An engine item whose length was not known when it started is asked
  // again; true (and label 13 rewritten) when the length is now known.
  bool refreshUnknownLength();

  MediaItem* engineItem() const { return m_item.get(); }
  bool hasEngineItem() const { return m_item != nullptr; }
  // A picture is being shown as a timed item.
  bool hasPictureItem() const { return m_pictureActive; }
  PlayerState& state() const { return m_state; }
  Playlist& playlist() const { return m_playlist; }

 private:
  // Steps of PlayIt.
  bool resolveEntry();                // false: halted on a missing file
  bool prepareByKind(ItemKind kind);  // false: halted on a document
  void showEntry(ItemKind kind);
  PlayOutcome startEngineItem();
  void showStarted();

  void releaseItem();
  void selectCurrent();

  PlayerState& m_state;
  Playlist& m_playlist;
  PlayerView& m_view;
  MediaEngine& m_engine;
  PositionTimer& m_timer;
  MessageSink& m_messages;
  CoverHooks& m_covers;
  const Settings& m_settings;

  std::unique_ptr<MediaItem> m_item;
  bool m_pictureActive = false;
  bool m_refusalPending = false;
};

}  // namespace kd
