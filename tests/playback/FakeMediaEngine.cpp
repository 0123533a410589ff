#include "FakeMediaEngine.h"

#include <algorithm>

namespace kd::test {

FakeMediaItem::FakeMediaItem(FakeMediaEngine& engine, int serial)
    : m_engine(engine), m_serial(serial) {}

FakeMediaItem::~FakeMediaItem() {
  m_engine.record(QStringLiteral("release"));
  m_engine.forget(this);
}

bool FakeMediaItem::RenderFile(const QString& pathOrUrl) {
  m_path = pathOrUrl;
  m_script = m_engine.scriptFor(pathOrUrl);
  m_engine.record(QStringLiteral("render ") + pathOrUrl);
  return !m_script.refuseRender;
}

void FakeMediaItem::Run() {
  m_base = positionNow();
  m_since = m_engine.now();
  m_running = true;
  m_engine.record(QStringLiteral("run"));
}

void FakeMediaItem::Pause() {
  m_base = positionNow();
  m_since = m_engine.now();
  m_running = false;
  m_engine.record(QStringLiteral("pause"));
}

void FakeMediaItem::Stop() {
  m_base = positionNow();
  m_running = false;
  m_engine.record(QStringLiteral("stop"));
}

double FakeMediaItem::positionNow() const {
  if (!m_running || !m_engine.hasClock()) return m_base;
  const double position = m_base + (m_engine.now() - m_since) * m_rate;
  // A real engine stops at the end of a file.
  return m_script.duration > 0 ? std::min(position, m_script.duration) : position;
}

double FakeMediaItem::CurrentPosition() {
  ++m_positionReads;
  return positionNow();
}

void FakeMediaItem::SetCurrentPosition(double seconds) {
  m_engine.record(QStringLiteral("seek %1").arg(seconds));
  setPosition(seconds);
}

void FakeMediaItem::setPosition(double seconds) {
  m_base = seconds;
  m_since = m_engine.now();
  m_ended = false;
}

double FakeMediaItem::Duration() {
  if (m_script.unknownDurationCalls > 0) {
    --m_script.unknownDurationCalls;
    return 0;
  }
  return m_script.duration;
}

void FakeMediaItem::SetRate(double rate) {
  m_base = positionNow();
  m_since = m_engine.now();
  m_rate = rate;
  m_engine.record(QStringLiteral("rate %1").arg(rate));
}

bool FakeMediaItem::HasEnded() {
  if (m_ended) return true;
  return m_engine.hasClock() && m_script.duration > 0 && positionNow() >= m_script.duration;
}

bool FakeMediaItem::WasRefused() {
  return m_refused;
}

std::unique_ptr<MediaItem> FakeMediaEngine::CreateItem() {
  record(QStringLiteral("create"));
  if (failCreate) return nullptr;
  auto item = std::make_unique<FakeMediaItem>(*this, ++created);
  m_current = item.get();
  return item;
}

}  // namespace kd::test
