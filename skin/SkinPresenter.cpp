#include "skin/SkinPresenter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "playback/Balance.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"
#include "skin/ClockLabelTexts.h"
#include "skin/SkinView.h"
#include "util/Numbers.h"
#include "util/TextForms.h"

namespace kd {

namespace {

QString balanceText(float balance) {
  switch (SideOf(balance)) {
    case BalanceSide::Left:
      return HashForm((0.5 - balance) * 200) + QStringLiteral("% left");
    case BalanceSide::Right:
      return HashForm((balance - 0.5) * 200) + QStringLiteral("% right");
    case BalanceSide::Centre:
      break;
  }
  return QStringLiteral("Centre");
}

QString rateText(float rateValue) {
  const auto rate = static_cast<float>(static_cast<double>(rateValue) + 0.5);
  return HashForm(rate * 100.0f) + QLatin1Char('%');
}

}  // namespace

SkinPresenter::SkinPresenter(const PlayerModel& model, const Playlist& playlist, SkinView& view,
                             QObject* parent)
    : QObject(parent),
      m_model(model),
      m_playlist(playlist),
      m_view(view),
      m_am(QLocale::system().amText()),
      m_pm(QLocale::system().pmText()) {
  connect(&model, &PlayerModel::statusChanged, this, &SkinPresenter::showStatus);
  connect(&model, &PlayerModel::itemChanged, this, &SkinPresenter::showItem);
  connect(&model, &PlayerModel::itemStarted, this, [this] {
    showLength();
    m_view.setLabelText(kLabelMedia, QStringLiteral("Media"));
    m_view.setKnobShown(kSliderPosition, true);
    m_timeShown = false;
    showTime();
    showPositionKnob();
  });
  connect(&model, &PlayerModel::lengthChanged, this, [this] {
    if (m_model.isActive()) showLength();
  });
  connect(&model, &PlayerModel::positionChanged, this, [this] {
    showTime();
    showPositionKnob();
  });
  connect(&model, &PlayerModel::timeDirectionChanged, this, [this] {
    m_timeShown = false;
    showTime();
  });
  connect(&model, &PlayerModel::positionPreviewChanged, this, [this] {
    m_timeShown = false;
    showTime();
    showPositionKnob();
  });
  connect(&model, &PlayerModel::volumeChanged, this, &SkinPresenter::showVolume);
  connect(&model, &PlayerModel::balanceChanged, this, &SkinPresenter::showBalance);
  connect(&model, &PlayerModel::rateChanged, this, &SkinPresenter::showRate);
  for (auto signal : {&PlayerModel::modesChanged, &PlayerModel::repeatPointsChanged}) {
    connect(&model, signal, this, &SkinPresenter::showLights);
  }
  connect(&model, &PlayerModel::mutedChanged, this, &SkinPresenter::showLights);
  connect(&model, &PlayerModel::stereoChanged, this, &SkinPresenter::showLights);
  connect(&model, &PlayerModel::mpegFactsChanged, this, &SkinPresenter::showMpegFacts);
  connect(&model, &PlayerModel::mpegFactsChanged, this, &SkinPresenter::showLights);

  connect(&playlist, &Playlist::countChanged, this, [this](int count) {
    m_view.setLabelText(kLabelEntryCount, QString::number(count));
    showTrackNumber();
  });
  connect(&playlist, &Playlist::currentEntryChanged, this, &SkinPresenter::showTrackNumber);
  connect(&playlist, &Playlist::titleChanged, this,
          [this](const QString& title) { m_view.setLabelText(kLabelPlaylistTitle, title); });

  // Before anything plays the time label shows a lone ":".
  m_timeText = QStringLiteral(":");
  m_view.setLabelText(kLabelTime, m_timeText);
  m_view.setLabelText(kLabelLength, QString());
  m_view.setKnobShown(kSliderPosition, false);
  m_view.placeKnob(kSliderPosition, 0.0f);
  m_view.setLabelText(kLabelEntryCount, QString::number(playlist.count()));
  m_view.setLabelText(kLabelPlaylistTitle, playlist.title());
  showTrackNumber();
  showVolume();
  showBalance();
  showRate();
  showMpegFacts();
  showLights();
  m_view.setDisplayRedraw([this] { redrawDisplays(); });
}

void SkinPresenter::redrawDisplays() {
  // A skin load shows every knob it defines; the position knob only belongs
  // to an item that plays.
  m_view.setKnobShown(kSliderPosition, m_model.isActive());
  m_view.drawDisplay(kDisplayTime, static_cast<double>(std::max(m_timeSeconds, 0)));
  m_view.drawDisplay(kDisplayTrack, static_cast<double>(m_playlist.currentEntry()));
  m_view.drawDisplay(kDisplayTitle, m_model.item().name);
  const std::optional<Mp3Facts>& facts = m_model.mpegFacts();
  if (facts) {
    m_view.drawDisplay(kDisplayBitrate, static_cast<double>(facts->header.bitrateKbps));
    m_view.drawDisplay(kDisplaySampleRate, static_cast<double>(facts->header.sampleRateKhz));
  } else {
    m_view.drawDisplay(kDisplayBitrate, QString());
    m_view.drawDisplay(kDisplaySampleRate, QString());
  }
}

void SkinPresenter::showStatus() {
  const bool active = m_model.isActive();
  if (m_wasActive && !active) {
    m_view.setKnobShown(kSliderPosition, false);
    m_timeText.clear();
    m_view.setLabelText(kLabelTime, m_timeText);
    m_timeShown = false;
  }
  m_wasActive = active;
  showLights();
}

void SkinPresenter::showItem() {
  const QString& name = m_model.item().name;
  m_view.drawDisplay(kDisplayTitle, name);
  m_view.setLabelText(kLabelTitle, name);
  // Until the item plays its length is not known.
  m_view.setLabelText(kLabelLength, QString());
}

void SkinPresenter::showLength() {
  m_view.setLabelText(kLabelLength, MinutesSeconds(RoundHalfEven(m_model.length())));
}

void SkinPresenter::showTime() {
  if (!m_model.isActive()) return;
  if (const std::optional<float> preview = m_model.positionPreview()) {
    // The time under the held knob; nothing is sought before the release.
    const auto seconds =
        ClampToInt32(static_cast<int64_t>(std::floor(*preview * m_model.length())));
    writeTime(seconds, m_model.timeCountsDown());
    return;
  }
  const int32_t seconds = m_model.shownSeconds();
  const bool down = m_model.timeCountsDown();
  if (m_timeShown && seconds == m_timeSeconds && down == m_timeCountsDown) return;
  writeTime(seconds, down);
}

void SkinPresenter::writeTime(int32_t seconds, bool countsDown) {
  m_timeShown = true;
  m_timeSeconds = seconds;
  m_timeCountsDown = countsDown;
  QString text = MinutesSeconds(seconds);
  if (countsDown) text.prepend(QLatin1Char('-'));
  if (text == m_timeText) return;
  m_timeText = text;
  m_view.setLabelText(kLabelTime, text);
  m_view.drawDisplay(kDisplayTime, static_cast<double>(seconds));
}

void SkinPresenter::showPositionKnob() {
  if (!m_model.isActive()) return;
  if (m_model.isPositionHeld()) {
    if (const std::optional<float> preview = m_model.positionPreview())
      m_view.placeKnob(kSliderPosition, *preview);
    return;
  }
  const double length = m_model.length();
  if (!(length > 0)) {
    if (m_model.position() == 0) m_view.placeKnob(kSliderPosition, 0.0f);
    return;
  }
  const double fraction = std::floor(m_model.position() / length * 10000.0) / 10000.0;
  m_view.placeKnob(kSliderPosition, static_cast<float>(std::clamp(fraction, 0.0, 1.0)));
}

void SkinPresenter::showVolume() {
  const float volume = m_model.volume();
  m_view.placeKnob(kSliderVolume, volume);
  m_view.setLabelText(kLabelVolume, BlankLed(static_cast<int64_t>(std::floor(volume * 100.0f))));
  m_view.placeKnob(kSliderVolumeBar, volume);
}

void SkinPresenter::showBalance() {
  m_view.setLabelText(kLabelBalance, balanceText(m_model.balance()));
  m_view.placeKnob(kSliderBalance, m_model.balance());
}

void SkinPresenter::showRate() {
  m_view.setLabelText(kLabelRate, rateText(m_model.rate()));
  m_view.placeKnob(kSliderRate, m_model.rate());
}

void SkinPresenter::showLights() {
  LightConditions lights;
  lights.stereo = m_model.isStereo();
  // Only an MPEG header tells the channels; an item without one is neither
  // mono nor stereo.
  lights.mono = m_model.isActive() && m_model.mpegFacts() && !m_model.isStereo();
  lights.playing = m_model.isActive();
  lights.paused = m_model.isPaused();
  lights.intro = m_model.modes().intro;
  lights.stopAfterEach = m_model.modes().stopAfterEach;
  lights.repeat = m_model.modes().repeat;
  lights.abRepeat = m_model.repeatEnd() > 0;
  lights.shuffle = m_model.modes().shuffle;
  lights.muted = m_model.isMuted();
  m_view.showLights(LightTable(lights));
}

void SkinPresenter::showMpegFacts() {
  const std::optional<Mp3Facts>& facts = m_model.mpegFacts();
  const MpegHeaderInfo header = facts ? facts->header : MpegHeaderInfo();
  m_view.setLabelText(kLabelBitrate, header.bitrateText);
  m_view.setLabelText(kLabelSampleRate, header.sampleRateText);
  m_view.setLabelText(kLabelChannels, header.channelModeText);
  if (facts) {
    m_view.drawDisplay(kDisplayBitrate, static_cast<double>(header.bitrateKbps));
    m_view.drawDisplay(kDisplaySampleRate, static_cast<double>(header.sampleRateKhz));
  } else {
    // An item without MPEG facts leaves nothing of the file before.
    m_view.drawDisplay(kDisplayBitrate, QString());
    m_view.drawDisplay(kDisplaySampleRate, QString());
  }
}

void SkinPresenter::showTrackNumber() {
  const int entry = m_playlist.currentEntry();
  m_view.setLabelText(kLabelTrack, m_playlist.count() > 0 ? BlankLed(entry) : QString());
  m_view.drawDisplay(kDisplayTrack, static_cast<double>(entry));
}

void SkinPresenter::setAmPmTexts(const QString& am, const QString& pm) {
  m_am = am;
  m_pm = pm;
}

void SkinPresenter::showClock(QTime now, int16_t timeFmt) {
  m_view.setLabelText(kLabelClock, ClockLabelText(now, timeFmt, m_am, m_pm));
  // The clock display reads the time by itself.
  m_view.drawDisplay(kDisplayClock, 0.0);
}

void SkinPresenter::showSleepTimer(const SleepTimerState& timer) {
  m_view.setLabelText(kLabelSnooze, SleepLabelText(timer));
}

void SkinPresenter::showDate(QDate date) {
  m_view.setLabelText(kLabelLongDate, LongDateText(date));
  m_view.setLabelText(kLabelDayName, DayNameText(date));
}

bool SkinPresenter::titleScrolls() const {
  return m_view.titleScrolls(m_model.item().name);
}

void SkinPresenter::stepTitle() {
  m_view.drawDisplay(kDisplayTitle, m_model.item().name);
}

}  // namespace kd
