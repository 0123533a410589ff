#pragma once
// The GStreamer engine is built as a module of its own, loaded from the
// program's module folder when the first item plays (see LoadedMediaEngine),
// so a start that plays nothing never loads GStreamer and its libraries.
// The module exports one function that makes its engine.

namespace kd {
class MediaEngine;
class OutputDevice;

// The module's file name, as playback/gst/CMakeLists.txt builds it.
inline constexpr char kEngineModuleFileName[] = "kavorodeck-gst-engine.so";
inline constexpr char kEngineFactoryName[] = "kd_make_media_engine";
}  // namespace kd

// A new engine that follows `levels` (may be null: full scale) as long as it
// lives; the caller owns it and keeps `levels` alive longer.
extern "C" __attribute__((visibility("default"))) kd::MediaEngine* kd_make_media_engine(
    kd::OutputDevice* levels);
