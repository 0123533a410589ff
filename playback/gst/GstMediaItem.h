#pragma once
// One played item: a playbin of its own. Every call comes from the interface
// thread; GStreamer's streaming threads only post to the bus (most messages
// are dropped there at once) and read the output levels.

#include "playback/MediaEngine.h"
#include "playback/gst/OutputLevels.h"

#include <gst/gst.h>

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace kd {

class GstMediaItem final : public MediaItem {
 public:
  // nullptr when no playbin can be made. GStreamer must be initialised.
  static std::unique_ptr<GstMediaItem> create(std::shared_ptr<const OutputLevels> levels,
                                              std::chrono::milliseconds prerollLimit);
  ~GstMediaItem() override;
  GstMediaItem(const GstMediaItem&) = delete;
  GstMediaItem& operator=(const GstMediaItem&) = delete;

  bool renderFile(const QString& pathOrUrl) override;
  void run() override;
  void pause() override;
  void stop() override;
  double currentPosition() override;
  void setCurrentPosition(double seconds) override;
  double duration() override;
  void setRate(double rate) override;
  bool hasEnded() override;
  bool wasRefused() override;
  MediaTags tags() override;
  void setEndNotifier(std::function<void()> notify) override;

 private:
  GstMediaItem(GstElement* playbin, std::chrono::milliseconds prerollLimit);

  // Runs in whichever thread posts a message.
  static GstBusSyncReply filterBusMessage(GstBus* bus, GstMessage* message, gpointer item);

  bool waitForPreroll();
  void drainBus();
  void handleMessage(GstMessage* message);
  void refuse(const QString& text);
  bool seek(double seconds, double rate);

  GstElement* m_playbin;
  GstBus* m_bus;
  // Reused for every tick's questions, so polling allocates nothing of ours.
  GstQuery* m_positionQuery;
  GstQuery* m_durationQuery;
  std::chrono::milliseconds m_prerollLimit;
  // Read by streaming threads; set before any of them runs.
  std::function<void()> m_endNotifier;

  QString m_uri;
  double m_lastPosition = 0.0;
  double m_duration = 0.0;
  double m_rate = 1.0;
  bool m_running = false;
  bool m_durationStale = false;
  bool m_ended = false;
  bool m_refused = false;
  MediaTags m_tags;
  bool m_frontCoverTaken = false;
};

}  // namespace kd
