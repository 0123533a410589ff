// Saving the tag of the song that plays through the GStreamer engine: the
// song goes on from where it was, in its paused state, with the new title.
// (The rate is kept as well: TagSaveTest, where time is exact.)

#include <gtest/gtest.h>

#include "RecordingView.h"
#include "SilentMp3.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "mediainfo/Id3v1File.h"
#include "mediainfo/TrackInfoForm.h"
#include "playback/CurrentTrackFile.h"
#include "playback/MediaEngine.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/Transport.h"
#include "playback/gst/GstMediaEngine.h"
#include "playback_gst/EngineTestSupport.h"
#include "playlist/Playlist.h"
#include "skin/SkinPresenter.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

class TagSaveGstTest : public ::testing::Test {
 protected:
  double enginePosition() const {
    return transport.engineItem() ? transport.engineItem()->currentPosition() : -1;
  }
  void save(const QString& title) {
    form.open();
    form.setEditing(true);
    TrackInfoTexts texts = form.shown();
    texts.title = title;
    form.save(texts);
  }

  TempDir dir;
  OutputDevice device;
  GstMediaEngine engine{&device};
  Playlist playlist;
  PlayerModel model;
  RecordingView view;
  SkinPresenter presenter{model, playlist, view};
  Settings settings;
  RecordingSink messages;
  CoverHooks covers;
  PositionTimer timer;
  Transport transport{model, playlist, engine, timer, messages, covers, settings};
  PositionTick tick{transport, timer, [](int) { return 1; }};
  CurrentTrackFile trackFile{transport};
  TrackInfoForm form{trackFile, messages, settings};
};

TEST_F(TagSaveGstTest, ThePausedSongKeepsItsPlaceAndPlaysOnFromThere) {
  // 230 frames of 26 ms: six seconds.
  const QString song = dir.write("song.mp3", SilentMp3(230, true, "Old Title"));
  playlist.append({"song", song});
  transport.play();
  ASSERT_TRUE(WaitUntil([&] { return model.position() >= 1.5; }));
  transport.togglePause();
  const double before = enginePosition();

  save("New Title");
  EXPECT_EQ(messages.messages, QStringList{"Tag Updated!"});
  EXPECT_EQ(ReadId3v1File(song)->Title.trimmed(), "New Title");
  EXPECT_EQ(model.status(), PlayStatus::Paused);
  EXPECT_EQ(view.label(kLabelTitle), "New Title");
  EXPECT_EQ(playlist.entry(0).name, "New Title");
  EXPECT_NEAR(enginePosition(), before, 0.2);
  Wait(300);
  EXPECT_NEAR(enginePosition(), before, 0.2);  // still paused

  transport.togglePause();
  EXPECT_TRUE(WaitUntil([&] { return model.position() >= before + 1; }));
  EXPECT_LT(model.position(), before + 3);  // on from where it was, not from the start
}

}  // namespace
}  // namespace kd::test
