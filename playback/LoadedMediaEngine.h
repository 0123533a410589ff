#pragma once
// The program's media engine: the GStreamer engine of the module in
// ModuleFolder(), loaded when the first item is made.

#include "playback/MediaEngine.h"

#include <memory>

namespace kd {

class OutputDevice;

class LoadedMediaEngine final : public MediaEngine {
 public:
  // `levels` (may be null: full scale) is handed to the module's engine; it
  // must outlive this engine.
  explicit LoadedMediaEngine(OutputDevice* levels = nullptr) : m_levels(levels) {}

  // nullptr when the module cannot be loaded (said once on stderr) or its
  // engine cannot make an item.
  std::unique_ptr<MediaItem> createItem() override;

 private:
  void loadModule();

  OutputDevice* m_levels;
  std::unique_ptr<MediaEngine> m_engine;
  bool m_loadTried = false;
};

}  // namespace kd
