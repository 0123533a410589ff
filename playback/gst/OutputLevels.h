#pragma once
// The output levels as the streaming threads read them: one word, low 16 bits
// left, high 16 bits right (the layout of OutputDevice::volumeWord). Written on
// the interface thread, read once per audio buffer, so it is a plain atomic.

#include <atomic>
#include <cstdint>

namespace kd {

struct OutputLevels {
  static constexpr uint32_t kFullScale = 0xFFFFFFFFu;
  std::atomic<uint32_t> word{kFullScale};
};

}  // namespace kd
