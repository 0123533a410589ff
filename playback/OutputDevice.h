#pragma once
// The player's output "device": left and right levels 0..65535 held for the
// whole run and applied by the engine to every item it plays. It starts at
// full scale.

#include <QObject>
#include <cstdint>

namespace kd {

class OutputDevice : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Low 16 bits: left level; high 16 bits: right level.
  uint32_t volumeWord() const { return (uint32_t{m_right} << 16) | m_left; }

  uint16_t left() const { return m_left; }
  uint16_t right() const { return m_right; }
  void setLevels(uint16_t left, uint16_t right) {
    if (left == m_left && right == m_right) return;
    m_left = left;
    m_right = right;
    emit levelsChanged(left, right);
  }

 signals:
  void levelsChanged(uint16_t left, uint16_t right);

 private:
  uint16_t m_left = 0xFFFF;
  uint16_t m_right = 0xFFFF;
};

}  // namespace kd
