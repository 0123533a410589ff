#include "playback/PositionTick.h"

#include <algorithm>
#include <cmath>

#include "playback/MediaEngine.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTimer.h"
#include "playback/TickPlan.h"
#include "playback/Transport.h"
#include "playlist/Playlist.h"

namespace kd {

PositionTick::PositionTick(Transport& transport, PositionTimer& timer, RandomSource random)
    : m_transport(transport),
      m_model(transport.model()),
      m_timer(timer),
      m_random(std::move(random)) {
  m_timer.setTickHandler([this] { tick(); });
  // What the last plan did not know of brings the next tick soon.
  const auto replan = [this] { m_timer.tickSoon(); };
  QObject::connect(&m_model, &PlayerModel::seeked, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::lengthChanged, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::rateChanged, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::statusChanged, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::timeDirectionChanged, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::modesChanged, &m_timer, replan);
  QObject::connect(&m_model, &PlayerModel::repeatPointsChanged, &m_timer, replan);
}

void PositionTick::tick() {
  if (!checkRefusal()) return;
  if (!m_transport.hasEngineItem() && !m_transport.hasPictureItem()) return;
  if (!m_model.isActive()) return;
  if (!checkLength()) return;

  const double position = readPosition();
  m_model.setPosition(position);

  // Intro scan. The tick ends after an advance: the values read above belong
  // to the item that was just replaced.
  if (m_model.modes().intro && position > kIntroSeconds) {
    advance(false);
    return;
  }
  if (m_model.repeatEnd() > 0 && position >= m_model.repeatEnd()) {
    m_transport.seekTo(m_model.repeatStart());
  }
  if (position >= m_model.length()) {
    advance(false);
    return;
  }
  planNextTick(position);
}

void PositionTick::planNextTick(double position) {
  TickPlanInput plan;
  plan.position = position;
  plan.length = m_model.length();
  // A picture's time is real time; an engine item's runs at the chosen rate.
  plan.speed = m_transport.hasEngineItem() ? m_model.rate() + 0.5 : 1.0;
  plan.paused = m_model.isPaused();
  plan.intro = m_model.modes().intro;
  plan.repeatEnd = m_model.repeatEnd();
  plan.knobTravel = m_knobTravel ? m_knobTravel() : 0;
  m_timer.setNextTickIn(MsUntilNextVisibleChange(plan));
}

// An item the engine refused, at its start (during an advance) or while it
// ran, counts as the end of the item.
bool PositionTick::checkRefusal() {
  if (m_transport.takeRefusal()) {
    advance(true);
    return false;
  }
  MediaItem* item = m_transport.engineItem();
  if (item && m_model.isActive() && item->wasRefused()) {
    m_transport.markRefused();
    advance(true);
    return false;
  }
  return true;
}

// Streams have no length: they play until the user acts. A file whose length
// the engine did not know at its start is asked again.
bool PositionTick::checkLength() {
  if (m_model.length() > 0) return true;
  MediaItem* item = m_transport.engineItem();
  if (!item || m_model.item().isStream) return false;
  if (m_transport.refreshUnknownLength()) return true;
  if (item->hasEnded()) advance(false);
  return false;
}

double PositionTick::readPosition() {
  double position = m_model.position();
  if (MediaItem* item = m_transport.engineItem()) {
    const double read = item->currentPosition();
    if (std::isfinite(read)) position = read;
    // The end of the stream is the end of the item even when the last
    // position read falls short of the length.
    if (item->hasEnded()) position = std::max(position, m_model.length());
  } else {
    // A picture: the real time since the last tick, in seconds, so it stays
    // its five seconds; a paused picture does not grow.
    const double seconds = m_timer.takeSecondsSinceLastTick();
    if (!m_model.isPaused()) position += seconds;
  }
  return position;
}

void PositionTick::advance() {
  advance(false);
}

void PositionTick::advance(bool afterRefusal) {
  Playlist& playlist = m_transport.playlist();
  // The list was emptied while the item played: nothing comes next.
  if (playlist.count() == 0) {
    m_refusalsInRow = 0;
    m_transport.stop();
    return;
  }
  if (!afterRefusal) {
    m_refusalsInRow = 0;
  } else if (++m_refusalsInRow >= playlist.count()) {
    // Every entry in turn was refused: stop rather than go round forever.
    m_refusalsInRow = 0;
    m_transport.stop();
    return;
  }
  const PlayModes& modes = m_model.modes();
  playlist.setCurrentEntry(NextTrackNumber(modes.repeat, modes.shuffle, playlist.currentEntry(),
                                           playlist.count(), m_random));
  m_transport.playCurrent(true);
  if (m_model.modes().stopAfterEach) m_transport.stop();
}

}  // namespace kd
