#include "playback/gst/GstMediaEngine.h"

#include "playback/OutputDevice.h"
#include "playback/gst/GstMediaItem.h"
#include "playback/gst/OutputLevels.h"

#include <gst/gst.h>

#include <QtGlobal>
#include <mutex>

namespace kd {

namespace {

void setRank(const char* feature, guint rank) {
  GstPluginFeature* found = gst_registry_lookup_feature(gst_registry_get(), feature);
  if (!found) return;
  gst_plugin_feature_set_rank(found, rank);
  gst_object_unref(found);
}

// Adjusts the choices playbin makes, for this process only.
void adjustRanks() {
  // Both MP3 decoders come with the same rank, and the first by name needs
  // about three times the CPU of the other.
  setRank("mpg123audiodec", GST_RANK_SECONDARY);
  // Video sinks the automatic choice must never take. Without an X or
  // Wayland display it falls through to DirectFB, which crashes the process
  // when there is no framebuffer, and to the GTK Wayland sink, which waits
  // for the default main context; the interface thread does not run that
  // while an item gets ready, so the item would hang until its time limit.
  setRank("dfbvideosink", GST_RANK_NONE);
  setRank("gtkwaylandsink", GST_RANK_NONE);
}

bool initialiseGstreamer() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] {
    GError* error = nullptr;
    ready = gst_init_check(nullptr, nullptr, &error);
    if (!ready) qWarning("The media engine cannot start: %s", error ? error->message : "unknown");
    g_clear_error(&error);
    if (ready) adjustRanks();
  });
  return ready;
}

}  // namespace

GstMediaEngine::GstMediaEngine(OutputDevice* levels) : m_levels(std::make_shared<OutputLevels>()) {
  if (!levels) return;
  m_levels->word.store(levels->volumeWord(), std::memory_order_relaxed);
  // The shared levels outlive this connection: items keep them alive.
  m_levelsConnection = QObject::connect(
      levels, &OutputDevice::levelsChanged, [shared = m_levels](uint16_t left, uint16_t right) {
        shared->word.store((uint32_t{right} << 16) | left, std::memory_order_relaxed);
      });
}

GstMediaEngine::~GstMediaEngine() {
  QObject::disconnect(m_levelsConnection);
}

std::unique_ptr<MediaItem> GstMediaEngine::createItem() {
  if (!initialiseGstreamer()) return nullptr;
  return GstMediaItem::create(m_levels, m_prerollLimit);
}

}  // namespace kd
