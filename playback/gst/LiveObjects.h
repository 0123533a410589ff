#pragma once
// How many GStreamer objects are alive, as the leak tracer counts them
// (GST_TRACERS="leaks(filters=...)" set before GStreamer starts): the check
// that played items give their pipelines back, for tests and soak runs.

namespace kd {

// The objects the leak tracer follows that are alive now; -1 without it.
int LiveTracedGstObjects();

}  // namespace kd
