#include "playback/Transport.h"

#include <algorithm>
#include <cmath>

#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "mediainfo/Mp3Info.h"
#include "playback/MediaEngine.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTimer.h"
#include "playlist/Playlist.h"
#include "util/MessageSink.h"
#include "util/Numbers.h"
#include "util/Paths.h"

namespace kd {

namespace {

// An engine that reports nonsense (NaN, negative) is taken as "length unknown".
double saneLength(double seconds) {
  return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
}

}  // namespace

Transport::Transport(PlayerModel& model, Playlist& playlist, MediaEngine& engine,
                     PositionTimer& timer, MessageSink& messages, CoverHooks& covers,
                     const Settings& settings)
    : m_model(model),
      m_playlist(playlist),
      m_engine(engine),
      m_timer(timer),
      m_messages(messages),
      m_covers(covers),
      m_settings(settings) {}

Transport::~Transport() = default;

void Transport::play() {
  playCurrent(false);
}

void Transport::playEntry(int number) {
  if (number < 1 || number > m_playlist.count()) return;
  m_playlist.setCurrentEntry(number);
  play();
}

bool Transport::takeRefusal() {
  const bool pending = m_refusalPending;
  m_refusalPending = false;
  return pending;
}

PlayOutcome Transport::playCurrent(bool continuous) {
  m_refusalPending = false;
  const int count = m_playlist.count();
  if (count == 0) return PlayOutcome::Empty;
  // Back before the first wraps to the last; past the last stops at the first.
  if (m_playlist.currentEntry() < 1) m_playlist.setCurrentEntry(count);
  if (m_playlist.currentEntry() > count) {
    m_playlist.setCurrentEntry(1);
    stop();
    return PlayOutcome::Stopped;
  }

  // No tick may see a half-built item.
  m_timer.stop();
  releaseEngineItem();
  m_playlist.setPlayingIndex(-1);
  m_pictureActive = false;
  m_model.setMpegFacts(std::nullopt);
  m_model.setTags({});
  m_engineTags = MediaTags();
  m_model.setRepeatPoints(0, 0);
  m_model.setLength(0);

  const QString path = m_playlist.entry(m_playlist.currentEntry() - 1).path;
  const bool isStream = IsStreamUrl(path);
  // Streams are never looked up on disk: that could block on the network.
  if (!isStream && !FileExists(path)) {
    // The path is kept so the entry is still saved and plays again once the
    // file is back.
    markCurrent(kNotFoundMark);
    return cannotPlay(PlayOutcome::Halted, continuous);
  }
  const ItemKind kind = ClassifyItem(path);
  if (!prepareByKind(kind, path)) {
    stop();
    return PlayOutcome::Halted;
  }
  showEntry(kind, path, isStream);

  if (kind == ItemKind::Picture) {
    m_pictureActive = true;
  } else {
    const PlayOutcome started = startEngineItem(path, isStream);
    if (started == PlayOutcome::Refused) {
      markRefused();
      return cannotPlay(started, continuous);
    }
    if (started != PlayOutcome::Playing) {
      stop();
      return started;
    }
    if (!isStream) m_engineTags = m_item->tags();
  }
  showTags(kind);
  if (kind != ItemKind::Picture && !isStream && m_settings.UseTagCover == 1) lookForCover(path);
  showStarted();
  return PlayOutcome::Playing;
}

// Continuous play goes on at the next tick, one entry per tick, so a long
// list of unplayable files never freezes the window; a play the user asked
// for ends stopped.
PlayOutcome Transport::cannotPlay(PlayOutcome outcome, bool continuous) {
  if (continuous) {
    m_refusalPending = true;
    m_timer.start();
  } else {
    stop();
  }
  return outcome;
}

bool Transport::prepareByKind(ItemKind kind, const QString& path) {
  switch (kind) {
    case ItemKind::Mpeg: {
      std::optional<Mp3Facts> facts = ReadMp3Facts(path, m_settings.legacyCodepage());
      m_model.setStereo(facts && facts->header.stereo);
      m_model.setMpegFacts(std::move(facts));
      return true;
    }
    case ItemKind::Picture:
      m_model.setLength(kPictureSeconds);
      m_model.setStereo(false);
      m_covers.loadCover(path);
      selectCurrent();
      return true;
    case ItemKind::Document:
      // Nothing is opened; the title and selection keep showing the item before.
      return false;
    case ItemKind::Other:
      m_model.setStereo(false);
      return true;
  }
  return true;
}

void Transport::showEntry(ItemKind kind, const QString& path, bool isStream) {
  m_model.setPosition(0);
  const int number = m_playlist.currentEntry();
  if (kind == ItemKind::Mpeg && m_model.mpegFacts()) {
    const QString title = m_model.mpegFacts()->tag.Title.trimmed();
    if (!title.isEmpty()) m_playlist.setEntryName(number - 1, title);
  }
  m_model.setItem({number, path, m_playlist.entry(number - 1).name, kind, isStream});
}

// The ID3v1 tag of an MPEG item comes first (it is what the tag editor
// edits); what the engine found fills what it leaves blank.
TrackTags Transport::mergedTags() const {
  TrackTags tags{m_engineTags.title, m_engineTags.artist, m_engineTags.album};
  if (const auto& facts = m_model.mpegFacts(); facts && m_model.item().kind == ItemKind::Mpeg) {
    const auto take = [](const QString& own, QString& merged) {
      if (!own.trimmed().isEmpty()) merged = own.trimmed();
    };
    take(facts->tag.Title, tags.title);
    take(facts->tag.Artist, tags.artist);
    take(facts->tag.Album, tags.album);
  }
  return tags;
}

// An item without an ID3v1 title takes the title the engine found as its
// name, as an ID3v1 title names an MPEG item.
void Transport::showTags(ItemKind kind) {
  const TrackTags tags = mergedTags();
  m_model.setTags(tags);
  const bool namedByOwnTag = kind == ItemKind::Mpeg && m_model.mpegFacts() &&
                             !m_model.mpegFacts()->tag.Title.trimmed().isEmpty();
  if (namedByOwnTag || m_engineTags.title.isEmpty()) return;
  const int index = m_playlist.currentEntry() - 1;
  if (index < 0 || index >= m_playlist.count()) return;
  m_playlist.setEntryName(index, m_engineTags.title);
  CurrentItem item = m_model.item();
  item.name = m_engineTags.title;
  m_model.setItem(item);
}

// The naming rules take the ID3v1 artist and album as the tag holds them;
// where the tag has none, the engine's.
void Transport::lookForCover(const QString& path) {
  TrackCoverQuery query;
  query.dir = GetDirPart(path);
  query.artist = m_engineTags.artist;
  query.album = m_engineTags.album;
  if (const auto& facts = m_model.mpegFacts(); facts && m_model.item().kind == ItemKind::Mpeg) {
    if (!facts->tag.Artist.trimmed().isEmpty() || m_engineTags.artist.isEmpty())
      query.artist = facts->tag.Artist;
    if (!facts->tag.Album.trimmed().isEmpty() || m_engineTags.album.isEmpty())
      query.album = facts->tag.Album;
  }
  query.embeddedPicture = m_engineTags.picture;
  m_covers.loadTrackCover(query);
}

PlayOutcome Transport::startEngineItem(const QString& path, bool isStream) {
  m_item = createEngineItem();
  if (!m_item) {
    m_messages.showMessage(kNoEngineMessage);
    return PlayOutcome::NoEngine;
  }
  if (!m_item->renderFile(path)) {
    m_item.reset();
    return PlayOutcome::Refused;
  }
  if (!isStream) {
    m_item->setCurrentPosition(0);
    m_item->setRate(static_cast<float>(m_model.rate() + 0.5f));
    m_model.setLength(saneLength(m_item->duration()));
  }
  m_item->run();
  return PlayOutcome::Playing;
}

std::unique_ptr<MediaItem> Transport::createEngineItem() {
  std::unique_ptr<MediaItem> item = m_engine.createItem();
  if (item) item->setEndNotifier([timer = &m_timer] { timer->tickSoonFromAnyThread(); });
  return item;
}

void Transport::showStarted() {
  m_model.setStatus(PlayStatus::Playing);
  m_playlist.setPlayingIndex(m_playlist.currentEntry() - 1);
  selectCurrent();
  m_model.announceStarted();
  m_timer.start();
}

bool Transport::refreshUnknownLength() {
  if (!m_item || m_model.item().isStream || m_model.length() > 0) return false;
  const double length = saneLength(m_item->duration());
  if (length <= 0) return false;
  m_model.setLength(length);
  return true;
}

void Transport::stop() {
  m_refusalPending = false;
  releaseEngineItem();
  m_pictureActive = false;
  m_timer.stop();
  m_model.setStatus(PlayStatus::Stopped);
  m_playlist.setPlayingIndex(-1);
}

void Transport::togglePause() {
  if (!m_model.isActive()) return;
  const bool resume = m_model.isPaused();
  if (m_item) resume ? m_item->run() : m_item->pause();
  m_model.setStatus(resume ? PlayStatus::Playing : PlayStatus::Paused);
}

void Transport::playOrPause() {
  m_model.isActive() ? togglePause() : play();
}

void Transport::next() {
  if (m_playlist.count() == 0) return;
  m_playlist.setCurrentEntry(m_playlist.currentEntry() + 1);
  play();
}

void Transport::previous() {
  if (m_playlist.count() == 0) return;
  m_playlist.setCurrentEntry(m_playlist.currentEntry() - 1);
  play();
}

void Transport::skipBack() {
  seekTo(ClampToInt32(RoundHalfEven(m_model.position() - 10)));
}

void Transport::skipForward() {
  seekTo(ClampToInt32(RoundHalfEven(m_model.position() + 10)));
}

void Transport::seekTo(int32_t seconds) {
  // A stream (or an item whose length is still unknown) has nowhere to go.
  const double length = m_model.length();
  if (!m_item || !(length > 0)) return;
  if (seconds < 0) seconds = 0;
  if (seconds > length) {
    seconds = ClampToInt32(RoundHalfEven(length) - 1);
    if (seconds < 0) seconds = 0;
  }
  m_item->setCurrentPosition(seconds);
  m_model.announceSeek(seconds);
}

void Transport::seekToExact(double seconds) {
  const double length = m_model.length();
  if (!m_item || !(length > 0) || std::isnan(seconds)) return;
  // Past the end stops a second short of it, as the whole-second seek does.
  const double target = std::clamp(seconds, 0.0, std::max(0.0, length - 1.0));
  m_item->setCurrentPosition(target);
  m_model.announceSeek(target);
}

double Transport::currentPosition() const {
  if (!m_item) return m_model.position();
  const double position = m_item->currentPosition();
  return std::isfinite(position) && position >= 0 ? position : m_model.position();
}

void Transport::setRate(float value) {
  // Kept for every later play.
  m_model.setRate(value);
  if (m_model.isActive() && m_item) m_item->setRate(static_cast<float>(value + 0.5));
}

void Transport::releaseEngineItem() {
  if (!m_item) return;
  m_item->stop();
  m_item.reset();
  m_timer.stop();
}

void Transport::rewritePlayingFile(const std::function<void()>& write) {
  if (!m_item) {
    write();
    return;
  }
  const QString path = m_model.item().path;
  const double position = m_item->currentPosition();
  const bool paused = m_model.isPaused();
  releaseEngineItem();
  write();

  m_item = createEngineItem();
  if (!m_item) {
    stop();
    m_messages.showMessage(kNoEngineMessage);
    return;
  }
  if (!m_item->renderFile(path)) {
    m_item.reset();
    stop();
    m_messages.showMessage(kCannotPlayAgainMessage);
    return;
  }
  m_item->setCurrentPosition(position);
  m_item->setRate(static_cast<float>(m_model.rate() + 0.5f));
  const double length = saneLength(m_item->duration());
  if (length > 0) m_model.setLength(length);
  paused ? m_item->pause() : m_item->run();
  m_timer.start();
}

void Transport::retagCurrent(const ID3Info& tag) {
  if (m_model.mpegFacts()) {
    Mp3Facts facts = *m_model.mpegFacts();
    facts.tag = tag;
    m_model.setMpegFacts(std::move(facts));
  }
  m_model.setTags(mergedTags());
  CurrentItem item = m_model.item();
  const QString title = tag.Title.trimmed();
  if (item.kind != ItemKind::Mpeg || title.isEmpty()) return;
  // The entry is renamed only while it still stands where the item started.
  const int index = item.entryNumber - 1;
  if (index >= 0 && index < m_playlist.count() && m_playlist.entry(index).path == item.path) {
    m_playlist.setEntryName(index, title);
  }
  item.name = title;
  m_model.setItem(item);
}

void Transport::markRefused() {
  markCurrent(kCannotPlayMark);
}

// The mark is added once; the path stays.
void Transport::markCurrent(const QString& mark) {
  const int index = m_playlist.currentEntry() - 1;
  if (index < 0 || index >= m_playlist.count()) return;
  const QString name = m_playlist.entry(index).name;
  if (!name.contains(mark)) m_playlist.setEntryName(index, name + QLatin1Char(' ') + mark);
}

void Transport::selectCurrent() {
  m_playlist.setSelectedIndex(m_playlist.currentEntry() - 1);
}

}  // namespace kd
