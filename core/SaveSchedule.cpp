#include "core/SaveSchedule.h"

#include <algorithm>

namespace kd {

SaveSchedule::SaveSchedule(Hooks hooks) : m_hooks(std::move(hooks)) {}

void SaveSchedule::changed() {
  if (m_stopped) return;
  m_dirty = true;
  if (m_armed) return;  // the save already planned takes this change along
  const int64_t now = m_hooks.now();
  int64_t wait = kDelayMs;
  if (m_saved) wait = std::max(wait, m_lastSave + kMinGapMs - now);
  m_armed = true;
  m_hooks.arm(wait);
}

void SaveSchedule::timeout() {
  m_armed = false;
  if (m_stopped || !m_dirty) return;
  if (m_hooks.busy()) {
    m_armed = true;
    m_hooks.arm(kBusyRetryMs);
    return;
  }
  const int64_t now = m_hooks.now();
  if (m_saved && now - m_lastSave < kMinGapMs) {
    m_armed = true;
    m_hooks.arm(m_lastSave + kMinGapMs - now);
    return;
  }
  // Changes made by the save itself belong to this save.
  m_dirty = false;
  m_hooks.save();
  m_saved = true;
  m_lastSave = m_hooks.now();
}

void SaveSchedule::stop() {
  m_stopped = true;
  m_dirty = false;
  if (m_armed) m_hooks.disarm();
  m_armed = false;
}

}  // namespace kd
