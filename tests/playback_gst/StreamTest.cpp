// Stream addresses: an MP3 served over HTTP by a server on this thread. The
// server can only answer while the test lets Qt events run, so an engine that
// waited for the network inside renderFile would find no answer.

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
  std::unique_ptr<MediaItem> item = engine.createItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->renderFile(server.url("live/song.mp3")));
  EXPECT_EQ(server.served(), 0);

  item->run();
  EXPECT_TRUE(WaitUntil([&] { return item->currentPosition() > 0.5; }));
  EXPECT_EQ(server.served(), 1);
  EXPECT_FALSE(item->wasRefused());
  EXPECT_FALSE(item->hasEnded());
}

TEST(GstStreamTest, AHostThatNeverAnswersBlocksNeitherRenderNorRelease) {
  test::TinyHttpServer server(QByteArray(), /*answer=*/false);
  GstMediaEngine engine;
  std::unique_ptr<MediaItem> item = engine.createItem();
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->renderFile(server.url("silent.mp3")));
  item->run();
  test::Wait(300);
  EXPECT_DOUBLE_EQ(item->currentPosition(), 0.0);
  EXPECT_FALSE(item->hasEnded());
  item->stop();
  item.reset();  // must return although the connection is still open
}

}  // namespace
}  // namespace kd
