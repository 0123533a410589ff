#pragma once
// The transport: turns the playlist's current entry into something playing
// and carries out the user's play, stop, pause, next, previous, seek and rate
// actions. What it does shows in the player model; the list selection goes
// to the playlist.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "playback/ItemKind.h"
#include "playback/MediaTags.h"

namespace kd {

class CoverHooks;
class MediaEngine;
class MediaItem;
class MessageSink;
class PlayerModel;
class Playlist;
class PositionTimer;
struct ID3Info;
struct Settings;
struct TrackTags;

// What playing the current entry came to.
enum class PlayOutcome {
  Empty,     // the playlist is empty
  Stopped,   // stepped past the last entry: entry 1 is current, stopped
  Halted,    // a missing file or a document: nothing plays
  Playing,   // the engine or the picture timer runs the item
  NoEngine,  // the engine gave no item (the user was told)
  Refused,   // the engine refused the item; it was released and marked
};

class Transport {
 public:
  static constexpr double kPictureSeconds = 5.0;
  static inline const QString kNotFoundMark = QStringLiteral("[FILE NOT FOUND]");
  static inline const QString kCannotPlayMark = QStringLiteral("[CANNOT PLAY]");
  static inline const QString kNoEngineMessage =
      QStringLiteral("Cannot create the IMediaControl object");
  static inline const QString kCannotPlayAgainMessage =
      QStringLiteral("The file was changed and cannot be played any more; playback stopped.");

  Transport(PlayerModel& model, Playlist& playlist, MediaEngine& engine, PositionTimer& timer,
            MessageSink& messages, CoverHooks& covers, const Settings& settings);
  ~Transport();
  Transport(const Transport&) = delete;
  Transport& operator=(const Transport&) = delete;

  // Plays the current entry. Whatever keeps it from playing (a missing
  // file, a document, a refusal) leaves the player stopped.
  void play();
  // Makes entry `number` (1-based) current and plays it; nothing for a
  // number outside the list.
  void playEntry(int number);
  void stop();
  void togglePause();
  void playOrPause();
  void next();
  void previous();
  // Ten seconds back / on.
  void skipBack();
  void skipForward();
  // Seeks the engine item to `seconds`, kept inside the item; nothing for a
  // stream or an item of unknown length. The paused state is kept.
  void seekTo(int32_t seconds);
  // The same to the fraction of a second; kept inside the item (short of its
  // end). NaN goes nowhere.
  void seekToExact(double seconds);
  // Where the engine item stands now, in seconds; the model's last position
  // when no engine item runs.
  double currentPosition() const;
  // Applies the rate value (0..1; the item plays at value + 0.5 times).
  void setRate(float value);
  // Releases the engine item (stopping it) and disables the position timer.
  void releaseEngineItem();

  // Runs `write`, which changes the file the engine item plays, with the
  // item released around it; then renders the file again and goes on at the
  // same position, rate and paused state. When the file cannot be rendered
  // again, the player stops and says why. Without an engine item `write`
  // simply runs.
  void rewritePlayingFile(const std::function<void()>& write);
  // The current item's tag is now `tag`: the model takes it, and for an
  // MPEG item its title names the entry, as when the item started.
  void retagCurrent(const ID3Info& tag);

  // Plays the current entry and says what came of it. With `continuous` (an
  // advance of the position tick) an entry that cannot play leaves a
  // refusal for the next tick to take, which goes on as at the end of the
  // item; otherwise the player stops.
  PlayOutcome playCurrent(bool continuous);
  // True once after a continuous play could not start; any later play or
  // stop forgets it.
  bool takeRefusal();
  // Marks the current entry as one the engine refuses (once).
  void markRefused();
  // An engine item whose length was not known when it started is asked
  // again; true when the length is now known.
  bool refreshUnknownLength();

  MediaItem* engineItem() const { return m_item.get(); }
  bool hasEngineItem() const { return m_item != nullptr; }
  // A picture is being shown as a timed item.
  bool hasPictureItem() const { return m_pictureActive; }
  PlayerModel& model() const { return m_model; }
  Playlist& playlist() const { return m_playlist; }

 private:
  // Steps of playCurrent.
  bool prepareByKind(ItemKind kind, const QString& path);  // false: halted on a document
  void showEntry(ItemKind kind, const QString& path, bool isStream);
  PlayOutcome startEngineItem(const QString& path, bool isStream);
  TrackTags mergedTags() const;
  void showTags(ItemKind kind);
  void lookForCover(const QString& path);
  void showStarted();
  // A new engine item that brings the next tick as soon as it ends.
  std::unique_ptr<MediaItem> createEngineItem();
  PlayOutcome cannotPlay(PlayOutcome outcome, bool continuous);

  void markCurrent(const QString& mark);
  void selectCurrent();

  PlayerModel& m_model;
  Playlist& m_playlist;
  MediaEngine& m_engine;
  PositionTimer& m_timer;
  MessageSink& m_messages;
  CoverHooks& m_covers;
  const Settings& m_settings;

  std::unique_ptr<MediaItem> m_item;
  MediaTags m_engineTags;  // what the engine found in the current item
  bool m_pictureActive = false;
  bool m_refusalPending = false;
};

}  // namespace kd
