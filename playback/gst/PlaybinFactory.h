#pragma once
// Builds the playbin of one item: the audio sink (autoaudiosink, or the
// element description in KAVORODECK_AUDIO_SINK) behind the output-levels
// filter, the video sink (playbin's own video window, or the element
// description in KAVORODECK_VIDEO_SINK), and the soundfont for MIDI.

#include "playback/gst/OutputLevels.h"

#include <gst/gst.h>

#include <memory>

namespace kd {

// A playbin that the caller owns (not floating), or nullptr when none can be
// made. GStreamer must be initialised.
GstElement* MakePlaybin(std::shared_ptr<const OutputLevels> levels);

}  // namespace kd
