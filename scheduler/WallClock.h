#pragma once
// Where the scheduler reads the time: the local date and time of day, and a
// steady clock for spans (a fade) that a change of the wall clock must not
// stretch. Tests move a fake.

#include <QDateTime>
#include <QElapsedTimer>
#include <cstdint>

namespace kd {

class WallClock {
 public:
  virtual ~WallClock() = default;
  virtual QDateTime now() const = 0;
  // Milliseconds on a clock that only moves forward.
  virtual int64_t steadyMs() const = 0;
};

class SystemWallClock : public WallClock {
 public:
  SystemWallClock() { m_steady.start(); }
  QDateTime now() const override { return QDateTime::currentDateTime(); }
  int64_t steadyMs() const override { return m_steady.elapsed(); }

 private:
  QElapsedTimer m_steady;
};

}  // namespace kd
