#include "playback/PositionTimer.h"

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
  m_timer.setInterval(kIntervalMs);
  connect(&m_timer, &QTimer::timeout, this, [this] {
    if (m_handler) m_handler();
  });
}

void PositionTimer::start() {
  m_lastStamp = m_clock();
  m_timer.start();
}

void PositionTimer::stop() {
  m_timer.stop();
}

double PositionTimer::takeSecondsSinceLastTick() {
  const double now = m_clock();
  const double seconds = now - m_lastStamp;
  m_lastStamp = now;
  return seconds > 0 ? seconds : 0.0;
}

}  // namespace kd
