#include "playback/PositionTimer.h"

#include <algorithm>
#include <chrono>

namespace kd {

namespace {

double SteadySeconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double>(now).count();
}

}  // namespace

PositionTimer::PositionTimer(Clock clock, QObject* parent)
    : QObject(parent), m_clock(clock ? std::move(clock) : Clock(SteadySeconds)) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &PositionTimer::fire);
}

void PositionTimer::start() {
  m_lastStamp = m_clock();
  m_active = true;
  m_timer.start(kIntervalMs);
}

void PositionTimer::stop() {
  m_active = false;
  m_timer.stop();
}

void PositionTimer::setNextTickIn(int ms) {
  m_nextMs = std::max(ms, kIntervalMs);
}

void PositionTimer::tickSoon() {
  if (!m_active) return;
  if (!m_timer.isActive() || m_timer.remainingTime() > kIntervalMs) m_timer.start(kIntervalMs);
}

void PositionTimer::tickSoonFromAnyThread() {
  QMetaObject::invokeMethod(this, &PositionTimer::tickSoon, Qt::QueuedConnection);
}

int PositionTimer::msUntilNextTick() const {
  return m_active && m_timer.isActive() ? m_timer.remainingTime() : -1;
}

void PositionTimer::fire() {
  m_nextMs = kIntervalMs;
  if (m_handler) m_handler();
  // A tick that stopped the timer, or started it afresh, has said when the
  // next one comes.
  if (m_active && !m_timer.isActive()) m_timer.start(m_nextMs);
}

double PositionTimer::takeSecondsSinceLastTick() {
  const double now = m_clock();
  const double seconds = now - m_lastStamp;
  m_lastStamp = now;
  return seconds > 0 ? seconds : 0.0;
}

}  // namespace kd
