#include "playback/gst/LevelFilter.h"

#include <gst/audio/audio-format.h>

#include <cstring>

namespace kd {

namespace {

constexpr std::size_t kFrameBytes = 2 * sizeof(float);

float gainOf(uint32_t level) {
  return static_cast<float>(level & 0xFFFFu) / 65535.0f;
}

// Runs in the streaming thread for every buffer that leaves the filter.
GstPadProbeReturn applyLevels(GstPad*, GstPadProbeInfo* info, gpointer data) {
  const auto* levels = static_cast<const std::shared_ptr<const OutputLevels>*>(data);
  const uint32_t word = (*levels)->word.load(std::memory_order_relaxed);
  if (word == OutputLevels::kFullScale) return GST_PAD_PROBE_OK;

  GstBuffer* buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
  GST_PAD_PROBE_INFO_DATA(info) = buffer;
  GstMapInfo map;
  if (!gst_buffer_map(buffer, &map, GST_MAP_READWRITE)) return GST_PAD_PROBE_OK;
  ScaleStereoFloat(map.data, map.size, word);
  gst_buffer_unmap(buffer, &map);
  return GST_PAD_PROBE_OK;
}

void releaseLevels(gpointer data) {
  delete static_cast<std::shared_ptr<const OutputLevels>*>(data);
}

}  // namespace

void ScaleStereoFloat(unsigned char* data, std::size_t bytes, uint32_t levelWord) {
  if (levelWord == OutputLevels::kFullScale) return;
  const float left = gainOf(levelWord);
  const float right = gainOf(levelWord >> 16);
  const std::size_t frames = bytes / kFrameBytes;
  // Samples are copied out and back so that no alignment is assumed.
  for (std::size_t i = 0; i < frames; ++i) {
    unsigned char* frame = data + i * kFrameBytes;
    float pair[2];
    std::memcpy(pair, frame, kFrameBytes);
    pair[0] *= left;
    pair[1] *= right;
    std::memcpy(frame, pair, kFrameBytes);
  }
}

GstElement* MakeLevelFilter(std::shared_ptr<const OutputLevels> levels) {
  GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
  GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
  if (!convert || !filter) {
    if (convert) gst_object_unref(gst_object_ref_sink(convert));
    if (filter) gst_object_unref(gst_object_ref_sink(filter));
    return nullptr;
  }
  GstCaps* caps =
      gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, GST_AUDIO_NE(F32), "layout",
                          G_TYPE_STRING, "interleaved", "channels", G_TYPE_INT, 2, nullptr);
  g_object_set(filter, "caps", caps, nullptr);
  gst_caps_unref(caps);

  GstElement* bin = gst_bin_new("output-levels");
  gst_bin_add_many(GST_BIN(bin), convert, filter, nullptr);
  gst_element_link(convert, filter);

  GstPad* sink = gst_element_get_static_pad(convert, "sink");
  GstPad* src = gst_element_get_static_pad(filter, "src");
  gst_element_add_pad(bin, gst_ghost_pad_new("sink", sink));
  gst_element_add_pad(bin, gst_ghost_pad_new("src", src));
  gst_pad_add_probe(src, GST_PAD_PROBE_TYPE_BUFFER, applyLevels,
                    new std::shared_ptr<const OutputLevels>(std::move(levels)), releaseLevels);
  gst_object_unref(sink);
  gst_object_unref(src);
  return bin;
}

}  // namespace kd
