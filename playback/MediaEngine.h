#pragma once
// The media engine as the player uses it: one item (one pipeline) per played
// entry. The GStreamer engine lives in playback/gst; tests use a scripted fake.

#include <QString>
#include <functional>
#include <memory>

#include "playback/MediaTags.h"

namespace kd {

class MediaItem {
 public:
  virtual ~MediaItem() = default;

  // Builds everything needed to play the file or URL. Files are prerolled
  // (bounded in time); streams return at once. False when the item was refused.
  virtual bool renderFile(const QString& pathOrUrl) = 0;
  virtual void run() = 0;
  virtual void pause() = 0;
  virtual void stop() = 0;
  // Seconds. The position holds while paused.
  virtual double currentPosition() = 0;
  virtual void setCurrentPosition(double seconds) = 0;
  // Seconds; 0 while unknown (asked again on later calls).
  virtual double duration() = 0;
  // 1.0 is normal speed.
  virtual void setRate(double rate) = 0;

  // Read on every position tick: the item played to its end, or the engine
  // refused it while running (an error on the bus).
  virtual bool hasEnded() = 0;
  virtual bool wasRefused() = 0;

  // The tags the engine found in the item so far; for a file, everything it
  // found before it was ready to play. An engine without tags reports none.
  virtual MediaTags tags() { return {}; }

  // Called, from any thread, when the item reaches its end or the engine
  // refuses it while running, so the player need not wait for the tick it
  // planned. Set before renderFile().
  virtual void setEndNotifier(std::function<void()> notify) { (void)notify; }
};

class MediaEngine {
 public:
  virtual ~MediaEngine() = default;
  // A new, empty item; nullptr when the engine cannot make one.
  virtual std::unique_ptr<MediaItem> createItem() = 0;
};

}  // namespace kd
