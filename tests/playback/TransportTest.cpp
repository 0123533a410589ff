// Playing an entry and the user's transport actions.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, PlayingAnEntryReplacesTheItemAndShowsTheEntryInOrder) {
  addThree();
  play(1);
  state.RptA = 12;
  state.flags.RptB = 30;
  view.log.clear();
  engine.log.clear();
  play(2);

  const QStringList expected{
      "L10=",    "L11=",  "L12=", "S1=0",       "show S1",  "D6=Beta",
      "L2=Beta", "L4= 2", "D2=2", "lights 2 4", "L13=1:00", "L26=Media",
  };
  EXPECT_EQ(view.log, expected);
  EXPECT_EQ(engine.log, QStringList({"stop", "release", "create", "render " + dir.path() + "b.wav",
                                     "seek 0", "rate 1", "run"}));
  EXPECT_EQ(playlist.selectedIndex(), 1);
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(state.RptA, 0);
  EXPECT_EQ(state.flags.RptB, 0);
}

TEST_F(PlayerTest, PauseTogglesOnlyWhilePlayingAndStopReleasesTheItem) {
  addThree();
  transport.PauseIt();
  EXPECT_TRUE(view.log.isEmpty());

  play(1);
  engine.log.clear();
  transport.PauseIt();
  EXPECT_EQ(view.lights, "lights 2 3 4");
  transport.PlayPause();  // playing, so it is a pause toggle
  EXPECT_EQ(view.lights, "lights 2 4");

  view.log.clear();
  transport.StopIt();
  EXPECT_EQ(engine.log, QStringList({"pause", "run", "stop", "release"}));
  EXPECT_EQ(view.log, QStringList({"hide S1", "L1=", "lights"}));
  EXPECT_FALSE(timer.isActive());
  EXPECT_FALSE(transport.hasEngineItem());

  transport.PlayPause();  // stopped, so it plays
  EXPECT_TRUE(state.flags.Playing);
  EXPECT_EQ(engine.created, 2);
}

TEST_F(PlayerTest, NextAndPreviousWrapAtTheEnds) {
  addThree();
  play(3);
  transport.NextTrack();  // past the last: entry 1 is current, nothing plays
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_FALSE(state.flags.Playing);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(engine.created, 1);

  transport.PrevTrack();  // before the first: the last plays
  EXPECT_EQ(playlist.TNum(), 3);
  EXPECT_TRUE(state.flags.Playing);
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
}

TEST_F(PlayerTest, AnEmptyPlaylistMakesEveryActionANoOp) {
  transport.PlayIt();
  transport.NextTrack();
  transport.PrevTrack();
  transport.PlayPause();
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_TRUE(view.log.isEmpty());
  EXPECT_TRUE(engine.log.isEmpty());
}

TEST_F(PlayerTest, SeeksStayInsideTheItemAndKeepThePausedState) {
  addFile("long.wav", "Long");
  engine.script(dir.path() + "long.wav", {.duration = 60.4});
  play(1);
  transport.PauseIt();
  engine.log.clear();

  tickAt(55);
  transport.Forward();  // 65 is past the end: one second before it
  tickAt(4.4);
  transport.Reverse();  // -5.6 becomes 0
  tickAt(20.5);
  transport.Forward();  // 30.5 rounds to the even 30
  transport.PlayFrom(-3);
  EXPECT_EQ(engine.log, QStringList({"seek 59", "seek 0", "seek 30", "seek 0"}));
  EXPECT_TRUE(state.flags.Paused);
}

TEST_F(PlayerTest, RateWhileStoppedOnlyChangesTheLabelAndTheNextPlayUsesIt) {
  addThree();
  transport.SetRate(0.7);
  EXPECT_EQ(view.log, QStringList({"L24=120%"}));
  EXPECT_TRUE(engine.log.isEmpty());

  play(1);
  EXPECT_TRUE(engine.log.contains("rate 1.2"));

  engine.log.clear();
  transport.SetRate(1.0);
  transport.SetRate(0.0);
  EXPECT_EQ(engine.log, QStringList({"rate 1.5", "rate 0.5"}));
  EXPECT_EQ(view.LabelText(kLabelRate), "50%");
}

TEST_F(PlayerTest, AMissingFileIsMarkedOnceKeepsItsPathAndLeavesTheTickNothingToDo) {
  addFile("a.wav", "Alpha");
  const QString missing = dir.path() + "gone.wav";
  playlist.append({"Gone", missing});
  tick.Tick();  // nothing loaded yet
  play(1);
  tickAt(5);
  view.log.clear();

  play(2);
  EXPECT_EQ(playlist.entry(1).name, "Gone [FILE NOT FOUND]");
  EXPECT_EQ(playlist.entry(1).path, missing);
  EXPECT_EQ(state.Dev, "");
  EXPECT_FALSE(timer.isActive());
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_TRUE(state.flags.Playing);  // halted: the lights keep the last state
  EXPECT_EQ(view.log, QStringList({"L10=", "L11=", "L12="}));
  EXPECT_TRUE(messages.messages.isEmpty());
  timer.start();  // e.g. the end of a knob drag
  tick.Tick();    // halted: Playing stays on, but no item is left
  EXPECT_EQ(view.log.size(), 3);
  EXPECT_EQ(playlist.TNum(), 2);

  transport.PlayIt();
  EXPECT_EQ(playlist.entry(1).name, "Gone [FILE NOT FOUND]");

  // Once the file is back, the same entry plays.
  dir.write("gone.wav", "RIFF");
  transport.PlayIt();
  EXPECT_TRUE(transport.hasEngineItem());
  EXPECT_EQ(renderedPath(), missing);
}

TEST_F(PlayerTest, ADocumentBetweenSongsHaltsWithTheSongBeforeStillShown) {
  addFile("a.wav", "Alpha");
  addFile("readme.TXT", "readme");
  addFile("c.wav", "Gamma");
  play(1);
  tickAt(60);  // the end of Alpha

  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(state.Dev, "Delay");
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(view.LabelText(kLabelTitle), "Alpha");
  EXPECT_EQ(playlist.selectedIndex(), 0);
  EXPECT_EQ(engine.created, 1);
  EXPECT_EQ(playlist.entry(1).name, "readme");
}

TEST_F(PlayerTest, AStreamIsNeverLookedUpAndHasNoLength) {
  const QString url = "HTTPS://radio.invalid/live.mp3";
  playlist.append({"Radio", url});
  play(1);

  EXPECT_EQ(renderedPath(), url);
  EXPECT_TRUE(state.InternetFile);
  EXPECT_EQ(view.LabelText(kLabelLength), "0:00");
  EXPECT_FALSE(engine.log.contains("seek 0"));  // nothing is set before a stream runs
  EXPECT_EQ(playlist.entry(0).name, "Radio");

  view.log.clear();
  engine.log.clear();
  tickAt(5000);
  transport.Forward();
  transport.PlayFrom(30);
  EXPECT_TRUE(view.log.isEmpty());  // no time, no knob, no end
  EXPECT_TRUE(engine.log.isEmpty());
  EXPECT_TRUE(state.flags.Playing);
}

TEST_F(PlayerTest, APictureIsShownForFiveSecondsOfPlayingTime) {
  const QString picture = addFile("cover.JPG", "Cover", "not really a picture");
  addFile("b.wav", "Beta");
  play(1);
  EXPECT_EQ(covers.calls, QStringList({"cover " + picture}));
  EXPECT_EQ(engine.created, 0);
  EXPECT_EQ(view.LabelText(kLabelLength), "0:05");
  EXPECT_EQ(view.LabelText(kLabelTitle), "Cover");

  runFor(2.0);
  EXPECT_EQ(view.LabelText(kLabelTime), "0:02");
  transport.PauseIt();
  runFor(10.0);  // a paused picture does not grow
  transport.PauseIt();
  sliders.PressKnob(kSliderPosition, true);  // the timer is off during a drag
  clock.now += 30;                           // and that time is not counted
  sliders.ReleaseKnob(kSliderPosition);
  runFor(2.9);
  EXPECT_EQ(playlist.TNum(), 1);
  runFor(0.2);
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "b.wav");
  EXPECT_FALSE(transport.hasPictureItem());
}

TEST_F(PlayerTest, ARefusedItemStartedByTheUserStopsQuietly) {
  addThree();
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  play(1);
  play(2);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(view.lights, "lights");
  EXPECT_EQ(playlist.entry(1).name, "Beta");
  EXPECT_TRUE(messages.messages.isEmpty());
  tick.Tick();  // nothing is left for a tick to go on with
  EXPECT_EQ(playlist.TNum(), 2);
}

TEST_F(PlayerTest, NoEngineItemIsReportedOnce) {
  addThree();
  engine.failCreate = true;
  play(1);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_FALSE(timer.isActive());
  tick.Tick();
  EXPECT_EQ(messages.messages, QStringList({"Cannot create the IMediaControl object"}));
}

}  // namespace
}  // namespace kd::test
