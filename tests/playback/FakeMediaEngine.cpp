#include "FakeMediaEngine.h"

#include <algorithm>

namespace kd::test {

FakeMediaItem::~FakeMediaItem() {
  m_engine.log.append(QStringLiteral("release"));
  if (m_engine.current == this) m_engine.current = nullptr;
}

bool FakeMediaItem::renderFile(const QString& pathOrUrl) {
  m_script = m_engine.scripts.value(pathOrUrl);
  m_engine.log.append(QStringLiteral("render ") + pathOrUrl);
  return !m_script.refuseRender;
}

void FakeMediaItem::rebase(bool running, const QString& logLine) {
  m_base = positionNow();
  m_since = m_engine.now();
  m_running = running;
  m_engine.log.append(logLine);
}

void FakeMediaItem::setPosition(double seconds) {
  m_base = seconds;
  m_since = m_engine.now();
  ended = false;
}

double FakeMediaItem::positionNow() const {
  if (!m_running) return m_base;
  const double position = m_base + (m_engine.now() - m_since) * m_rate;
  // A real engine stops at the end of a file.
  return m_script.duration > 0 ? std::min(position, m_script.duration) : position;
}

std::unique_ptr<MediaItem> FakeMediaEngine::createItem() {
  log.append(QStringLiteral("create"));
  if (failCreate) return nullptr;
  ++created;
  auto item = std::make_unique<FakeMediaItem>(*this);
  current = item.get();
  return item;
}

}  // namespace kd::test
