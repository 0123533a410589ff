// The one entry of the engine module the program loads on first use.

#include "playback/EngineModule.h"

#include "playback/gst/GstMediaEngine.h"

extern "C" kd::MediaEngine* kd_make_media_engine(kd::OutputDevice* levels) {
  return new kd::GstMediaEngine(levels);
}
