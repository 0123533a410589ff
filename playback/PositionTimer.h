#pragma once
// The position timer. A tick comes 25 ms after start() and then whenever the
// tick asked for the next one: as often as every 25 ms, or as seldom as
// nothing on show changes. It owns a monotonic clock, so a timed item (a
// picture) can add the real time that passed since the last tick. Tests call
// the tick handler directly and move an injected clock.

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
  bool isActive() const { return m_active; }

  // Called by a tick: the next one comes `ms` later (at least kIntervalMs)
  // instead of after kIntervalMs.
  void setNextTickIn(int ms);
  // Something changed that the last tick's plan did not know of (a seek, a
  // pause, the end of the item): the next tick comes within kIntervalMs.
  void tickSoon();
  // The same from any thread.
  void tickSoonFromAnyThread();

  // Milliseconds until the next tick; -1 while the timer is off.
  int msUntilNextTick() const;

  // Seconds since start() or the previous call, never negative.
  double takeSecondsSinceLastTick();

 private:
  void fire();

  QTimer m_timer;
  Clock m_clock;
  double m_lastStamp = 0;
  bool m_active = false;
  int m_nextMs = kIntervalMs;
  std::function<void()> m_handler;
};

}  // namespace kd
