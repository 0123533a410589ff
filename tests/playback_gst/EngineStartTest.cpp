// GStreamer is started by the first item, not by the engine's construction,
// so the program's start-up never pays for the plugin registry. Each case
// runs in a fresh process (a death test re-runs the binary for that case
// alone), where nothing else has started GStreamer.

#include "playback/OutputDevice.h"
#include "playback/gst/GstMediaEngine.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace kd {
namespace {

TEST(GstEngineStartTest, ConstructionLeavesGstreamerUnstartedAndTheFirstItemStartsIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // _Exit: the child's verdict is its exit code alone.
  EXPECT_EXIT(
      {
        OutputDevice device;
        GstMediaEngine engine(&device);
        const bool before = gst_is_initialized();
        const bool made = engine.createItem() != nullptr;
        std::_Exit(!before && made && gst_is_initialized() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kd
