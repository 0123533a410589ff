#pragma once
// A length for items whose pipeline cannot say it yet. A constant-bitrate MP3
// without a frame index gets its length from the parser only after about one
// and a half seconds of playing, which is after the player has read it; but
// the parser can already convert the file's size into time from the frames
// it has seen while getting ready.

#include <gst/gst.h>

namespace kd {

// Seconds, or 0 when no parser inside `playbin` can tell.
double EstimateDurationFromParser(GstElement* playbin);

}  // namespace kd
