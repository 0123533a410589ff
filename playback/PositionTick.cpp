#include "playback/PositionTick.h"

#include <algorithm>
#include <cmath>

#include "core/PlayerView.h"
#include "playback/MediaEngine.h"
#include "playback/PlayerState.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playlist/Playlist.h"
#include "util/Numbers.h"
#include "util/TextForms.h"

namespace kd {

PositionTick::PositionTick(Transport& transport, PlayerView& view, PositionTimer& timer,
                           RandomSource random)
    : m_transport(transport),
      m_state(transport.state()),
      m_view(view),
      m_timer(timer),
      m_random(random ? std::move(random) : DefaultRandomSource()) {
  m_timer.setTickHandler([this] { Tick(); });
}

void PositionTick::Tick() {
  if (!checkRefusal()) return;
  if (!m_transport.hasEngineItem() && !m_transport.hasPictureItem()) return;
  if (!m_state.flags.Playing) return;
  if (!checkLength()) return;

  updatePosition();
  showTime();
  moveSlider();

  // Intro scan. The tick ends after an advance: the values read above belong
  // to the item that was just replaced.
  if (m_state.flags.Intro && m_state.Elapsed > kIntroSeconds) {
    advance(false);
    return;
  }
  if (m_state.flags.RptB > 0 && m_state.Elapsed >= m_state.flags.RptB) {
    m_transport.PlayFrom(m_state.RptA);
  }
  if (m_state.Elapsed >= m_state.SongLen) advance(false);
}

// An item the engine refused, at its start (during an advance) or while it
// ran, counts as the end of the item.
bool PositionTick::checkRefusal() {
  if (m_transport.takeRefusal()) {
    advance(true);
    return false;
  }
  MediaItem* item = m_transport.engineItem();
  if (item && m_state.flags.Playing && item->WasRefused()) {
    advance(true);
    return false;
  }
  return true;
}

// Streams have no length: they play until the user acts. A file whose length
// the engine did not know at its start is asked again.
bool PositionTick::checkLength() {
  if (m_state.SongLen > 0) return true;
  MediaItem* item = m_transport.engineItem();
  if (!item || m_state.InternetFile) return false;
  if (m_transport.refreshUnknownLength()) return true;
  if (item->HasEnded()) advance(false);
  return false;
}

void PositionTick::updatePosition() {
  if (MediaItem* item = m_transport.engineItem()) {
    const double position = item->CurrentPosition();
    if (std::isfinite(position)) m_state.Elapsed = position;
    // The end of the stream is the end of the item even when the last
    // position read falls short of the length.
    if (item->HasEnded()) m_state.Elapsed = std::max(m_state.Elapsed, m_state.SongLen);
  } else {
    // A picture: the real time since the last tick, in seconds, so it stays
    // its five seconds; a paused picture does not grow.
    const double seconds = m_timer.takeSecondsSinceLastTick();
    if (!m_state.flags.Paused) m_state.Elapsed += seconds;
  }
}

void PositionTick::showTime() {
  m_state.Remain = m_state.SongLen - m_state.Elapsed;
  m_state.TimeDisp =
      ClampToInt32(RoundHalfEven(m_state.TimeFlag ? m_state.Remain : m_state.Elapsed));
  if (!m_state.shownTimeText.isEmpty() && m_state.TimeDisp == m_shownDisp &&
      m_state.TimeFlag == m_shownFlag) {
    return;
  }
  QString text = MinutesSeconds(m_state.TimeDisp);
  if (m_state.TimeFlag) text.prepend(QLatin1Char('-'));
  m_shownDisp = m_state.TimeDisp;
  m_shownFlag = m_state.TimeFlag;
  if (text == m_state.shownTimeText) return;
  m_view.SetLabel(kLabelTime, text);
  m_view.SetDD(kDisplayTime, static_cast<double>(m_state.TimeDisp));
  m_state.shownTimeText = text;
}

void PositionTick::moveSlider() {
  if (m_state.SlideFlag == kSliderPosition || !m_view.IsSliderVisible(kSliderPosition)) return;
  const double fraction = std::floor(m_state.Elapsed / m_state.SongLen * 10000.0) / 10000.0;
  m_state.SetSliderPos(m_view, kSliderPosition, static_cast<float>(std::clamp(fraction, 0.0, 1.0)));
}

void PositionTick::Advance() {
  advance(false);
}

void PositionTick::advance(bool afterRefusal) {
  Playlist& playlist = m_transport.playlist();
  if (!afterRefusal) {
    m_refusalsInRow = 0;
  } else if (++m_refusalsInRow >= std::max(1, playlist.count())) {
    // Every entry in turn was refused: stop rather than go round forever.
    m_refusalsInRow = 0;
    m_transport.StopIt();
    return;
  }
  playlist.setTNum(NextTrackNumber(m_state.flags.Repeat, m_state.flags.Shuffle, playlist.TNum(),
                                   playlist.count(), m_random));
  m_transport.playCurrent(true);
  if (m_state.flags.STP) m_transport.StopIt();
}

}  // namespace kd
