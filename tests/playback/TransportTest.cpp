// Playing an entry and the user's transport actions, as the model and the
// skin show them.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, PlayingAnEntryReplacesTheItemAndShowsTheEntry) {
  addThree();
  play(1);
  model.setRepeatPoints(12, 30);
  engine.log.clear();
  play(2);

  EXPECT_EQ(engine.log, QStringList({"stop", "release", "create", "render " + dir.path() + "b.wav",
                                     "seek 0", "rate 1", "run"}));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_EQ(model.item().name, "Beta");
  EXPECT_EQ(model.item().entryNumber, 2);
  EXPECT_EQ(model.length(), 60);
  EXPECT_EQ(model.repeatEnd(), 0);
  EXPECT_EQ(playlist.selectedIndex(), 1);
  EXPECT_EQ(playlist.playingIndex(), 1);  // shown in bold
  EXPECT_TRUE(timer.isActive());

  EXPECT_EQ(view.label(kLabelTitle), "Beta");
  EXPECT_EQ(view.displays.value(kDisplayTitle), "Beta");
  EXPECT_EQ(view.label(kLabelTrack), " 2");
  EXPECT_EQ(view.displays.value(kDisplayTrack), 2.0);
  EXPECT_EQ(view.label(kLabelLength), "1:00");
  EXPECT_EQ(view.label(kLabelMedia), "Media");
  EXPECT_EQ(view.lightsShown(), "2 4");
  EXPECT_TRUE(view.shownKnobs.contains(kSliderPosition));
  EXPECT_EQ(view.knobs.value(kSliderPosition), 0.0f);
  // A file without MPEG facts leaves none of the file before.
  EXPECT_EQ(view.label(kLabelBitrate), "");
  EXPECT_EQ(view.displays.value(kDisplayBitrate), "");
}

TEST_F(PlayerTest, PauseTogglesOnlyWhilePlayingAndStopReleasesTheItem) {
  addThree();
  transport.togglePause();
  EXPECT_EQ(model.status(), PlayStatus::Stopped);

  play(1);
  engine.log.clear();
  transport.togglePause();
  EXPECT_EQ(view.lightsShown(), "2 3 4");
  transport.playOrPause();  // playing, so it is a pause toggle
  EXPECT_EQ(view.lightsShown(), "2 4");

  tickAt(5);
  EXPECT_EQ(view.label(kLabelTime), "0:05");
  transport.stop();
  EXPECT_EQ(engine.log, QStringList({"pause", "run", "stop", "release"}));
  EXPECT_EQ(view.label(kLabelTime), "");
  EXPECT_EQ(view.lightsShown(), "");
  EXPECT_FALSE(view.shownKnobs.contains(kSliderPosition));
  EXPECT_FALSE(timer.isActive());
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(playlist.playingIndex(), -1);

  transport.playOrPause();  // stopped, so it plays
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_EQ(engine.created, 2);
}

TEST_F(PlayerTest, NextAndPreviousWrapAtTheEnds) {
  addThree();
  play(3);
  transport.next();  // past the last: entry 1 is current, nothing plays
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(engine.created, 1);

  transport.previous();  // before the first: the last plays
  EXPECT_EQ(playlist.currentEntry(), 3);
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
}

TEST_F(PlayerTest, AnEmptyPlaylistMakesEveryActionANoOp) {
  transport.play();
  transport.next();
  transport.previous();
  transport.playOrPause();
  transport.playEntry(1);
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_TRUE(engine.log.isEmpty());
}

TEST_F(PlayerTest, PlayEntryPlaysThatEntryAndIgnoresNumbersOutsideTheList) {
  addThree();
  transport.playEntry(4);
  transport.playEntry(0);
  EXPECT_EQ(engine.created, 0);
  transport.playEntry(3);
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
  EXPECT_EQ(view.label(kLabelTrack), " 3");
}

TEST_F(PlayerTest, SeeksStayInsideTheItemAndKeepThePausedState) {
  addFile("long.wav", "Long");
  engine.script(dir.path() + "long.wav", {.duration = 60.4});
  play(1);
  transport.togglePause();
  engine.log.clear();

  tickAt(55);
  transport.skipForward();  // 65 is past the end: one second before it
  tickAt(4.4);
  transport.skipBack();  // -5.6 becomes 0
  tickAt(20.5);
  transport.skipForward();  // 30.5 rounds to the even 30
  transport.seekTo(-3);
  EXPECT_EQ(engine.log, QStringList({"seek 59", "seek 0", "seek 30", "seek 0"}));
  EXPECT_TRUE(model.isPaused());
}

TEST_F(PlayerTest, RateWhileStoppedOnlyChangesTheLabelAndTheNextPlayUsesIt) {
  addThree();
  EXPECT_EQ(view.label(kLabelRate), "100%");
  transport.setRate(0.7f);
  EXPECT_EQ(view.label(kLabelRate), "120%");
  EXPECT_EQ(view.knobs.value(kSliderRate), 0.7f);
  EXPECT_TRUE(engine.log.isEmpty());

  play(1);
  EXPECT_TRUE(engine.log.contains("rate 1.2"));

  engine.log.clear();
  transport.setRate(1.0f);
  transport.setRate(0.0f);
  EXPECT_EQ(engine.log, QStringList({"rate 1.5", "rate 0.5"}));
  EXPECT_EQ(view.label(kLabelRate), "50%");
}

TEST_F(PlayerTest, AMissingFileIsMarkedOnceKeepsItsPathAndStopsThePlayer) {
  addFile("a.wav", "Alpha");
  const QString missing = dir.path() + "gone.wav";
  playlist.append({"Gone", missing});
  tick.tick();  // nothing loaded yet
  play(1);
  tickAt(5);

  play(2);
  EXPECT_EQ(playlist.entry(1).name, "Gone [FILE NOT FOUND]");
  EXPECT_EQ(playlist.entry(1).path, missing);
  EXPECT_FALSE(timer.isActive());
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(model.status(), PlayStatus::Stopped);  // the lights never claim it plays
  EXPECT_EQ(view.lightsShown(), "");
  EXPECT_TRUE(messages.messages.isEmpty());
  timer.start();  // e.g. the end of a knob drag
  tick.tick();
  EXPECT_EQ(playlist.currentEntry(), 2);

  transport.play();
  EXPECT_EQ(playlist.entry(1).name, "Gone [FILE NOT FOUND]");

  // Once the file is back, the same entry plays.
  dir.write("gone.wav", "RIFF");
  transport.play();
  EXPECT_TRUE(transport.hasEngineItem());
  EXPECT_EQ(renderedPath(), missing);
}

TEST_F(PlayerTest, ADocumentBetweenSongsHaltsWithTheSongBeforeStillShown) {
  addFile("a.wav", "Alpha");
  addFile("readme.TXT", "readme");
  addFile("c.wav", "Gamma");
  play(1);
  tickAt(60);  // the end of Alpha

  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(view.lightsShown(), "");
  EXPECT_EQ(view.label(kLabelTitle), "Alpha");
  EXPECT_EQ(playlist.selectedIndex(), 0);
  EXPECT_EQ(engine.created, 1);
  EXPECT_EQ(playlist.entry(1).name, "readme");
}

TEST_F(PlayerTest, AStreamIsNeverLookedUpAndHasNoLength) {
  const QString url = "HTTPS://radio.invalid/live.mp3";
  playlist.append({"Radio", url});
  play(1);

  EXPECT_EQ(renderedPath(), url);
  EXPECT_TRUE(model.item().isStream);
  EXPECT_EQ(view.label(kLabelLength), "0:00");
  EXPECT_FALSE(engine.log.contains("seek 0"));  // nothing is set before a stream runs
  EXPECT_EQ(playlist.entry(0).name, "Radio");

  engine.log.clear();
  tickAt(5000);
  transport.skipForward();
  transport.seekTo(30);
  EXPECT_TRUE(engine.log.isEmpty());  // no end, nowhere to seek
  EXPECT_EQ(view.label(kLabelTime), "0:00");
  EXPECT_EQ(model.status(), PlayStatus::Playing);
}

TEST_F(PlayerTest, APictureIsShownForFiveSecondsOfPlayingTime) {
  const QString picture = addFile("cover.JPG", "Cover", "not really a picture");
  addFile("b.wav", "Beta");
  play(1);
  EXPECT_EQ(covers.calls, QStringList({"cover " + picture}));
  EXPECT_EQ(engine.created, 0);
  EXPECT_EQ(view.label(kLabelLength), "0:05");
  EXPECT_EQ(view.label(kLabelTitle), "Cover");

  runFor(2.0);
  EXPECT_EQ(view.label(kLabelTime), "0:02");
  transport.togglePause();
  runFor(10.0);  // a paused picture does not grow
  transport.togglePause();
  sliders.pressKnob(SliderRole::Position, true);  // the timer is off during a drag
  clock.now += 30;                                // and that time is not counted
  sliders.releaseKnob(SliderRole::Position);
  runFor(2.9);
  EXPECT_EQ(playlist.currentEntry(), 1);
  runFor(0.2);
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "b.wav");
  EXPECT_FALSE(transport.hasPictureItem());
}

TEST_F(PlayerTest, ARefusedItemStartedByTheUserIsMarkedAndStops) {
  addThree();
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  play(1);
  play(2);
  play(2);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(view.lightsShown(), "");
  EXPECT_EQ(view.label(kLabelLength), "");  // no length for what never played
  EXPECT_EQ(playlist.entry(1).name, "Beta [CANNOT PLAY]");
  EXPECT_EQ(playlist.entry(1).path, dir.path() + "b.wav");
  EXPECT_TRUE(messages.messages.isEmpty());
  tick.tick();  // nothing is left for a tick to go on with
  EXPECT_EQ(playlist.currentEntry(), 2);
}

TEST_F(PlayerTest, NoEngineItemIsReportedOnce) {
  addThree();
  engine.failCreate = true;
  play(1);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  tick.tick();
  EXPECT_EQ(messages.messages, QStringList({"Cannot create the IMediaControl object"}));
}

}  // namespace
}  // namespace kd::test
