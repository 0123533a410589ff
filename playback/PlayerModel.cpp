#include "playback/PlayerModel.h"

#include "util/Numbers.h"

namespace kd {

void PlayerModel::setStatus(PlayStatus status) {
  if (status == m_status) return;
  m_status = status;
  emit statusChanged(status);
}

void PlayerModel::setItem(const CurrentItem& item) {
  if (item == m_item) return;
  m_item = item;
  emit itemChanged();
}

void PlayerModel::setLength(double seconds) {
  if (seconds == m_length) return;
  m_length = seconds;
  emit lengthChanged(seconds);
}

void PlayerModel::setPosition(double seconds) {
  if (seconds == m_position) return;
  m_position = seconds;
  emit positionChanged(seconds);
}

void PlayerModel::setTimeCountsDown(bool down) {
  if (down == m_timeCountsDown) return;
  m_timeCountsDown = down;
  emit timeDirectionChanged(down);
}

int32_t PlayerModel::shownSeconds() const {
  return ClampToInt32(RoundHalfEven(m_timeCountsDown ? m_length - m_position : m_position));
}

void PlayerModel::holdPosition() {
  m_positionHeld = true;
}

void PlayerModel::previewPosition(float fraction) {
  if (!m_positionHeld) return;
  m_positionPreview = fraction;
  emit positionPreviewChanged();
}

void PlayerModel::releasePosition() {
  const bool hadPreview = m_positionPreview.has_value();
  m_positionHeld = false;
  m_positionPreview.reset();
  if (hadPreview) emit positionPreviewChanged();
}

void PlayerModel::setVolume(float volume) {
  if (volume == m_volume) return;
  m_volume = volume;
  emit volumeChanged(volume);
}

void PlayerModel::setBalance(float balance) {
  if (balance == m_balance) return;
  m_balance = balance;
  emit balanceChanged(balance);
}

void PlayerModel::setMuted(bool muted) {
  if (muted == m_muted) return;
  m_muted = muted;
  emit mutedChanged(muted);
}

void PlayerModel::setRate(float rate) {
  if (rate == m_rate) return;
  m_rate = rate;
  emit rateChanged(rate);
}

void PlayerModel::setModes(const PlayModes& modes) {
  if (modes == m_modes) return;
  m_modes = modes;
  emit modesChanged();
}

void PlayerModel::setRepeatPoints(int32_t start, int32_t end) {
  if (start == m_repeatStart && end == m_repeatEnd) return;
  m_repeatStart = start;
  m_repeatEnd = end;
  emit repeatPointsChanged();
}

void PlayerModel::setStereo(bool stereo) {
  if (stereo == m_stereo) return;
  m_stereo = stereo;
  emit stereoChanged(stereo);
}

void PlayerModel::setMpegFacts(std::optional<Mp3Facts> facts) {
  m_mpeg = std::move(facts);
  emit mpegFactsChanged();
}

void PlayerModel::setTags(const TrackTags& tags) {
  if (tags == m_tags) return;
  m_tags = tags;
  emit tagsChanged();
}

}  // namespace kd
