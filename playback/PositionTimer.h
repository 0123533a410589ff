#pragma once
// The 25 ms position timer. It owns the QTimer and a monotonic clock, so a
// timed item (a picture) can add the real time that passed since the last
// tick. Tests call the tick handler directly and move an injected clock.

#include <QObject>
#include <QTimer>
#include <functional>

namespace kd {

class PositionTimer : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIntervalMs = 25;
  // Seconds on a monotonic clock.
  using Clock = std::function<double()>;

  // Without a clock, a steady system clock is used.
  explicit PositionTimer(Clock clock = {}, QObject* parent = nullptr);

  // What a tick does; called from the event loop on every timeout.
  void setTickHandler(std::function<void()> handler) { m_handler = std::move(handler); }

  // Enables the timer. Time spent while it was off is never counted.
  void start();
  void stop();
  bool isActive() const { return m_timer.isActive(); }

  // Seconds since start() or the previous call, never negative.
  double takeSecondsSinceLastTick();

 private:
  QTimer m_timer;
  Clock m_clock;
  double m_lastStamp = 0;
  std::function<void()> m_handler;
};

}  // namespace kd
