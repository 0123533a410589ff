#pragma once
// When the player's state is saved while it runs: a change is saved about a
// second after it happens, together with every change made meanwhile, so a
// save follows a change within two seconds and two saves are at least a
// second apart. While `busy` holds (a folder scan still adding entries) the
// save waits and is tried again shortly after. The clock and the timer are
// handed in, so the rule runs without a real timer.

#include <cstdint>
#include <functional>

namespace kd {

class SaveSchedule {
 public:
  static constexpr int64_t kDelayMs = 1000;     // from a change to its save
  static constexpr int64_t kMinGapMs = 1000;    // between two saves
  static constexpr int64_t kBusyRetryMs = 250;  // while busy

  struct Hooks {
    std::function<int64_t()> now;      // milliseconds, never going back
    std::function<void(int64_t)> arm;  // one timeout after that many ms; replaces an armed one
    std::function<void()> disarm;
    std::function<bool()> busy;
    std::function<void()> save;
  };

  explicit SaveSchedule(Hooks hooks);

  // Something that is saved has changed.
  void changed();
  // The armed timeout has come.
  void timeout();
  // Everything was saved by other means (the shut-down): nothing is pending
  // and no later change is saved.
  void stop();

  bool pending() const { return m_dirty; }

 private:
  Hooks m_hooks;
  bool m_dirty = false;
  bool m_armed = false;
  bool m_stopped = false;
  bool m_saved = false;
  int64_t m_lastSave = 0;
};

}  // namespace kd
