#pragma once
// Takes what the player shows from the engine's tag lists: title, artist,
// album and an embedded picture (a front cover rather than any other).

#include <gst/gst.h>

#include "playback/MediaTags.h"

namespace kd {

// Embedded pictures larger than this are left out (no cover needs more).
inline constexpr qsizetype kMaxEmbeddedPictureBytes = 16 * 1024 * 1024;

// Adds what `list` holds to `tags`. A text already taken stays (the first
// non-blank value wins); a front cover replaces a picture of another kind.
// `frontCoverTaken` remembers whether the picture held is a front cover.
void MergeTagList(const GstTagList* list, MediaTags& tags, bool& frontCoverTaken);

}  // namespace kd
