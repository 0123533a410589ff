#pragma once
// The audio filter that applies the output levels to every item: it brings
// any source to interleaved 32-bit float stereo (mono comes out as two equal
// channels) and scales left and right by level / 65535.

#include "playback/gst/OutputLevels.h"

#include <gst/gst.h>

#include <cstddef>
#include <memory>

namespace kd {

// Multiplies interleaved float stereo samples (native byte order) in place:
// left by the low 16 bits of `levelWord` / 65535, right by the high 16 bits.
// Does nothing at full scale. `bytes` need not be a whole number of frames;
// a trailing partial frame is left alone.
void ScaleStereoFloat(unsigned char* data, std::size_t bytes, uint32_t levelWord);

// A new bin (floating reference) to put in front of the audio sink, or
// nullptr when the elements it needs are missing. The bin keeps `levels` alive.
GstElement* MakeLevelFilter(std::shared_ptr<const OutputLevels> levels);

}  // namespace kd
