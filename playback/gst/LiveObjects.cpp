#include "playback/gst/LiveObjects.h"

#include <gst/gst.h>

namespace kd {

int LiveTracedGstObjects() {
  int count = -1;
  GList* tracers = gst_tracing_get_active_tracers();
  for (GList* tracer = tracers; tracer; tracer = tracer->next) {
    if (g_strcmp0(G_OBJECT_TYPE_NAME(tracer->data), "GstLeaksTracer") != 0) continue;
    GstStructure* live = nullptr;
    g_signal_emit_by_name(tracer->data, "get-live-objects", &live);
    if (!live) continue;
    count = static_cast<int>(
        gst_value_list_get_size(gst_structure_get_value(live, "live-objects-list")));
    gst_structure_free(live);
  }
  g_list_free_full(tracers, gst_object_unref);
  return count;
}

}  // namespace kd
