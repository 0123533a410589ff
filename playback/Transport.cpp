#include "playback/Transport.h"

#include <cmath>

#include "core/PlayerView.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "mediainfo/Mp3Info.h"
#include "playback/MediaEngine.h"
#include "playback/PositionTimer.h"
#include "playlist/Playlist.h"
#include "util/MessageSink.h"
#include "util/Numbers.h"
#include "util/Paths.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// An engine that reports nonsense (NaN, negative) is taken as "length unknown".
double SaneLength(double seconds) {
  return std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
}

}  // namespace

Transport::Transport(PlayerState& state, Playlist& playlist, PlayerView& view, MediaEngine& engine,
                     PositionTimer& timer, MessageSink& messages, CoverHooks& covers,
                     const Settings& settings)
    : m_state(state),
      m_playlist(playlist),
      m_view(view),
      m_engine(engine),
      m_timer(timer),
      m_messages(messages),
      m_covers(covers),
      m_settings(settings) {}

Transport::~Transport() = default;

void Transport::PlayIt() {
  // Started by the user: an item the engine refuses simply stops the player;
  // the entry is not marked, so it can be tried again.
  if (playCurrent(false) == PlayOutcome::Refused) StopIt();
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
  if (m_playlist.TNum() < 1) m_playlist.setTNum(count);  // back before the first wraps
  if (m_playlist.TNum() > count) {                       // past the last stops at the first
    m_playlist.setTNum(1);
    StopIt();
    return PlayOutcome::Stopped;
  }

  // No tick may see a half-built item.
  m_timer.stop();
  CleanUP();
  releaseItem();

  m_view.SetLabel(kLabelBitrate, QString());
  m_view.SetLabel(kLabelSampleRate, QString());
  m_view.SetLabel(kLabelChannels, QString());
  m_state.RptA = 0;
  m_state.flags.RptB = 0;

  if (!resolveEntry()) return PlayOutcome::Halted;
  const ItemKind kind = ClassifyItem(m_state.SongPath);
  m_state.Dev = kDevEngine;
  if (!prepareByKind(kind)) return PlayOutcome::Halted;
  showEntry(kind);

  if (m_state.Dev != kDevDelay) {
    const PlayOutcome started = startEngineItem();
    if (started == PlayOutcome::Refused && continuous) {
      // The next tick goes on to another entry: one entry per tick, so a long
      // list of unplayable files never freezes the window.
      m_refusalPending = true;
      m_timer.start();
    }
    if (started != PlayOutcome::Playing) return started;
  } else {
    m_pictureActive = true;
  }
  showStarted();
  return PlayOutcome::Playing;
}

bool Transport::resolveEntry() {
  const int index = m_playlist.TNum() - 1;
  m_state.SongPath = m_playlist.entry(index).path;
  if (IsStreamUrl(m_state.SongPath)) {
    // Streams are never looked up on disk: that could block on the network.
    m_state.InternetFile = true;
    return true;
  }
  m_state.InternetFile = false;
  if (FileExists(m_state.SongPath)) return true;

  // The path is kept so the entry is still saved and plays again once the
  // file is back; the mark is added once.
  const QString name = m_playlist.entry(index).name;
  if (!name.contains(kNotFoundMark)) {
    m_playlist.setEntryName(index, name + QLatin1Char(' ') + kNotFoundMark);
  }
  m_state.Dev.clear();
  return false;
}

bool Transport::prepareByKind(ItemKind kind) {
  switch (kind) {
    case ItemKind::Mpeg: {
      const MpegHeaderInfo header = GetMP3Info(m_state.SongPath, m_state.ID3, m_view);
      m_state.flags.Stereo = header.stereo;
      if (m_settings.UseTagCover == 1) {
        m_covers.LoadTagCover(GetDirPart(m_state.SongPath), m_state.ID3.Artist, m_state.ID3.Album);
      }
      return true;
    }
    case ItemKind::Picture:
      m_state.Dev = kDevDelay;
      m_state.SongLen = kPictureSeconds;
      m_state.Elapsed = 0;
      m_state.flags.Stereo = false;
      m_covers.LoadCover(m_state.SongPath);
      selectCurrent();
      return true;
    case ItemKind::Document:
      // Nothing is opened; the title and selection keep showing the item before.
      m_state.Dev = kDevDelay;
      return false;
    case ItemKind::Other:
      m_state.flags.Stereo = false;
      return true;
  }
  return true;
}

void Transport::showEntry(ItemKind kind) {
  m_state.SetSliderPos(m_view, kSliderPosition, 0.0f);
  m_view.ShowSlider(kSliderPosition);

  const int tnum = m_playlist.TNum();
  if (kind == ItemKind::Mpeg) {
    const QString title = m_state.ID3.Title.trimmed();
    if (!title.isEmpty()) m_playlist.setEntryName(tnum - 1, title);
  }
  m_state.SongName = m_playlist.entry(tnum - 1).name;
  m_view.SetDD(kDisplayTitle, m_state.SongName);
  m_view.SetLabel(kLabelTitle, m_state.SongName);
  m_view.SetLabel(kLabelTrack, BlankLed(tnum));
  m_view.SetDD(kDisplayTrack, static_cast<double>(tnum));
}

PlayOutcome Transport::startEngineItem() {
  m_item = m_engine.CreateItem();
  if (!m_item) {
    m_messages.ShowMessage(kNoEngineMessage);
    return PlayOutcome::NoEngine;
  }
  if (!m_item->RenderFile(m_state.SongPath)) {
    m_item.reset();
    return PlayOutcome::Refused;
  }
  m_state.Elapsed = 0;
  if (m_state.InternetFile) {
    m_state.SongLen = 0;
  } else {
    m_item->SetCurrentPosition(0);
    m_item->SetRate(static_cast<float>(m_state.slider(kSliderRate) + 0.5f));
    m_state.SongLen = SaneLength(m_item->Duration());
  }
  m_item->Run();
  return PlayOutcome::Playing;
}

void Transport::showStarted() {
  m_state.flags.Paused = false;
  m_state.flags.Playing = true;
  m_state.ShowLights(m_view);
  selectCurrent();
  m_view.SetLabel(kLabelLength, MinutesSeconds(RoundHalfEven(m_state.SongLen)));
  m_view.SetLabel(kLabelMedia, QStringLiteral("Media"));
  m_timer.start();
}

bool Transport::refreshUnknownLength() {
  if (!m_item || m_state.InternetFile || m_state.SongLen > 0) return false;
  m_state.SongLen = SaneLength(m_item->Duration());
  if (m_state.SongLen <= 0) return false;
  m_view.SetLabel(kLabelLength, MinutesSeconds(RoundHalfEven(m_state.SongLen)));
  return true;
}

void Transport::StopIt() {
  m_refusalPending = false;
  CleanUP();
  releaseItem();
  m_view.HideSlider(kSliderPosition);
  m_view.SetLabel(kLabelTime, QString());
  m_state.shownTimeText.clear();
  m_state.flags.Paused = false;
  m_state.flags.Playing = false;
  m_state.ShowLights(m_view);
}

void Transport::PauseIt() {
  if (!m_state.flags.Playing) return;
  if (m_item) {
    if (m_state.flags.Paused) {
      m_item->Run();
    } else {
      m_item->Pause();
    }
  }
  m_state.flags.Paused = !m_state.flags.Paused;
  m_state.ShowLights(m_view);
}

void Transport::PlayPause() {
  if (m_state.flags.Playing) {
    PauseIt();
  } else {
    PlayIt();
  }
}

void Transport::NextTrack() {
  if (m_playlist.count() == 0) return;
  m_playlist.setTNum(m_playlist.TNum() + 1);
  PlayIt();
}

void Transport::PrevTrack() {
  if (m_playlist.count() == 0) return;
  m_playlist.setTNum(m_playlist.TNum() - 1);
  PlayIt();
}

void Transport::Reverse() {
  PlayFrom(ClampToInt32(RoundHalfEven(m_state.Elapsed - 10)));
}

void Transport::Forward() {
  PlayFrom(ClampToInt32(RoundHalfEven(m_state.Elapsed + 10)));
}

void Transport::PlayFrom(int32_t seconds) {
  // A stream (or an item whose length is still unknown) has nowhere to go.
  if (!m_item || !(m_state.SongLen > 0)) return;
  if (seconds < 0) seconds = 0;
  if (seconds > m_state.SongLen) {
    seconds = ClampToInt32(RoundHalfEven(m_state.SongLen) - 1);
    if (seconds < 0) seconds = 0;
  }
  m_item->SetCurrentPosition(seconds);
}

void Transport::SetRate(double value) {
  const float rate = static_cast<float>(value + 0.5);
  // Kept for every later PlayIt.
  m_state.sliders[kSliderRate] = static_cast<float>(value);
  if (m_state.flags.Playing && m_item) m_item->SetRate(rate);
  m_view.SetLabel(kLabelRate, HashForm(rate * 100.0f) + QLatin1Char('%'));
}

void Transport::CleanUP() {
  if (!m_item) return;
  m_item->Stop();
  m_item.reset();
  m_timer.stop();
}

void Transport::releaseItem() {
  m_pictureActive = false;
}

void Transport::selectCurrent() {
  m_playlist.setSelectedIndex(m_playlist.TNum() - 1);
}

}  // namespace kd
