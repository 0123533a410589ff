#pragma once
// The GStreamer media engine: one playbin per item. GStreamer is initialised
// on the first createItem, never at construction, so the program's start-up
// does not pay for loading the plugin registry.

#include "playback/MediaEngine.h"

#include <QMetaObject>
#include <chrono>
#include <memory>

namespace kd {

class OutputDevice;
struct OutputLevels;

class GstMediaEngine final : public MediaEngine {
 public:
  // `levels` (may be null: full scale) is applied to every item, also while
  // it plays; the engine follows its levelsChanged signal.
  explicit GstMediaEngine(OutputDevice* levels = nullptr);
  ~GstMediaEngine() override;
  GstMediaEngine(const GstMediaEngine&) = delete;
  GstMediaEngine& operator=(const GstMediaEngine&) = delete;

  // nullptr when GStreamer cannot be initialised or no playbin can be made.
  std::unique_ptr<MediaItem> createItem() override;

  // How long renderFile waits for a file to be ready to play (5 s unless set).
  void setPrerollLimit(std::chrono::milliseconds limit) { m_prerollLimit = limit; }

 private:
  std::shared_ptr<OutputLevels> m_levels;
  QMetaObject::Connection m_levelsConnection;
  std::chrono::milliseconds m_prerollLimit{5000};
};

}  // namespace kd
