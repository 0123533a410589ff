// Stream addresses: an MP3 served over HTTP by a server on this thread. The
// server can only answer while the test lets Qt events run, so an engine that
// waited for the network inside RenderFile would find no answer.

#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"
#include "playback_gst/TinyHttpServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kd {
namespace {

using test::MediaFile;
using test::WaitUntil;

TEST(GstStreamTest, AnHttpMp3PlaysWithoutRenderWaitingForTheNetwork) {
  test::TinyHttpServer server(test::TempDir::read(MediaFile("long.mp3")));
  GstMediaEngine engine;
  std::unique_ptr<MediaItem> item = engine.CreateItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->RenderFile(server.url("live/song.mp3")));
  EXPECT_EQ(server.served(), 0);

  item->Run();
  EXPECT_TRUE(WaitUntil([&] { return item->CurrentPosition() > 0.5; }));
  EXPECT_EQ(server.served(), 1);
  EXPECT_FALSE(item->WasRefused());
  EXPECT_FALSE(item->HasEnded());
}

TEST(GstStreamTest, AHostThatNeverAnswersBlocksNeitherRenderNorRelease) {
  test::TinyHttpServer server(QByteArray(), /*answer=*/false);
  GstMediaEngine engine;
  std::unique_ptr<MediaItem> item = engine.CreateItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->RenderFile(server.url("silent.mp3")));
  item->Run();
  test::Wait(300);
  EXPECT_DOUBLE_EQ(item->CurrentPosition(), 0.0);
  EXPECT_FALSE(item->HasEnded());
  item->Stop();
  item.reset();  // must return although the connection is still open
}

}  // namespace
}  // namespace kd
