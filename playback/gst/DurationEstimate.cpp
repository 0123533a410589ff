#include "playback/gst/DurationEstimate.h"

#include <cstring>

namespace kd {

namespace {

bool isParser(GstElement* element) {
  GstElementFactory* factory = gst_element_get_factory(element);
  if (!factory) return false;
  const gchar* klass = gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_KLASS);
  return klass && std::strstr(klass, "Parser");
}

// The parser's input size in bytes (tags already cut off by a tag reader
// before it) converted into time by the parser itself.
gint64 parserDuration(GstElement* parser) {
  GstPad* sink = gst_element_get_static_pad(parser, "sink");
  if (!sink) return -1;
  gint64 bytes = -1;
  gint64 nanoseconds = -1;
  if (gst_pad_peer_query_duration(sink, GST_FORMAT_BYTES, &bytes) && bytes > 0)
    gst_element_query_convert(parser, GST_FORMAT_BYTES, bytes, GST_FORMAT_TIME, &nanoseconds);
  gst_object_unref(sink);
  return nanoseconds;
}

}  // namespace

double EstimateDurationFromParser(GstElement* playbin) {
  gint64 found = -1;
  GstIterator* elements = gst_bin_iterate_recurse(GST_BIN(playbin));
  GValue value = G_VALUE_INIT;
  bool done = false;
  while (!done && found <= 0) {
    switch (gst_iterator_next(elements, &value)) {
      case GST_ITERATOR_OK: {
        auto* element = GST_ELEMENT(g_value_get_object(&value));
        if (isParser(element)) found = parserDuration(element);
        g_value_reset(&value);
        break;
      }
      case GST_ITERATOR_RESYNC:
        gst_iterator_resync(elements);
        break;
      default:
        done = true;
        break;
    }
  }
  g_value_unset(&value);
  gst_iterator_free(elements);
  return found > 0 ? static_cast<double>(found) / GST_SECOND : 0.0;
}

}  // namespace kd
