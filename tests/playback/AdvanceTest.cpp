// The position tick: the time and position knob it shows, intro scan, A-B repeat and
// the advance to the next entry.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, TheTimeAndTheKnobFollowThePosition) {
  addThree();
  play(1);
  tickAt(0.3);
  EXPECT_EQ(view.label(kLabelTime), "0:00");
  tickAt(1.6);
  EXPECT_EQ(view.label(kLabelTime), "0:02");
  EXPECT_EQ(view.displays.value(kDisplayTime), 2.0);
  // The knob is floored to 1/10000.
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderPosition), 0.0266f);
  tickAt(59.99);
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderPosition), 0.9998f);

  modes.toggleTimeDirection();  // the remaining time
  tickAt(35);
  EXPECT_EQ(view.label(kLabelTime), "-0:25");
  EXPECT_EQ(view.displays.value(kDisplayTime), 25.0);

  // A held knob is left where the pointer holds it, and shows the time under it.
  sliders.pressKnob(SliderRole::Position, true);
  tickAt(10);
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderPosition), 0.5833f);
  sliders.moveKnob(SliderRole::Position, 0.25f);
  EXPECT_EQ(view.label(kLabelTime), "-0:15");
  EXPECT_EQ(view.knobs.value(kSliderPosition), 0.25f);
  tickAt(11);
  EXPECT_EQ(view.knobs.value(kSliderPosition), 0.25f);
  sliders.releaseKnob(SliderRole::Position);
  EXPECT_EQ(view.label(kLabelTime), "-0:49");
}

TEST_F(PlayerTest, TheEndOfAnItemPlaysTheNextEntry) {
  addThree();
  play(1);
  tickAt(59.9);
  EXPECT_EQ(playlist.currentEntry(), 1);
  tickAt(60.02);  // a little beyond the length is the end too
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "b.wav");

  engine.current->setPosition(58.5);
  engine.current->ended = true;  // the engine's end of stream
  tick.tick();
  EXPECT_EQ(playlist.currentEntry(), 3);

  tickAt(60);  // past the last entry: entry 1, stopped
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(engine.created, 3);
}

TEST_F(PlayerTest, RepeatThenShuffleChooseTheNextEntry) {
  addThree();
  model.setModes({.repeat = true, .shuffle = true});
  play(2);
  tickAt(60);  // repeat wins: nothing is drawn
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_EQ(engine.created, 2);
  EXPECT_TRUE(randomAsked.isEmpty());

  // Shuffle draws from the whole list, the same entry too; answers out of
  // range cannot send the player off the list.
  model.setModes({.shuffle = true});
  randomPicks = {3, 9, 0};
  QList<int> chosen;
  for (int i = 0; i < 3; ++i) {
    tickAt(60);
    chosen.append(playlist.currentEntry());
  }
  EXPECT_EQ(chosen, QList<int>({3, 3, 1}));
  EXPECT_EQ(randomAsked, QList<int>({3, 3, 3}));
  EXPECT_EQ(model.status(), PlayStatus::Playing);
}

TEST_F(PlayerTest, StopAfterEachItemShowsTheNextEntryStopped) {
  addThree();
  model.setModes({.stopAfterEach = true});
  play(1);
  tickAt(60);
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_EQ(view.label(kLabelTitle), "Beta");
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_FALSE(transport.hasEngineItem());
}

TEST_F(PlayerTest, IntroScanPlaysTenSecondsOfEachItem) {
  addFile("a.wav", "Alpha");
  addFile("short.wav", "Short");
  addFile("c.wav", "Gamma");
  engine.script(dir.path() + "short.wav", {.duration = 8});
  model.setModes({.intro = true});
  play(1);
  tickAt(10.0);
  EXPECT_EQ(playlist.currentEntry(), 1);
  // The tick ends after the advance: the 10.02 s read from the long item must
  // not count as the end of the 8 s item that replaced it.
  tickAt(10.02);
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "short.wav");
  EXPECT_EQ(model.status(), PlayStatus::Playing);

  tickAt(8.0);  // a short item ends at its end
  EXPECT_EQ(playlist.currentEntry(), 3);
}

TEST_F(PlayerTest, ABRepeatJumpsBackAgainAndAgain) {
  addThree();
  play(1);
  model.setRepeatPoints(12, 30);
  engine.log.clear();
  tickAt(29.9);
  tickAt(30.0);
  tickAt(20);
  tickAt(30.4);
  EXPECT_EQ(engine.log, QStringList({"seek 12", "seek 12"}));

  model.setRepeatPoints(0, 30);  // a B point without an A point repeats from the start
  tickAt(31);
  EXPECT_EQ(engine.log.last(), "seek 0");
  EXPECT_EQ(playlist.currentEntry(), 1);
}

TEST_F(PlayerTest, AnEngineRefusalDuringContinuousPlayIsMarkedAndSkipped) {
  addThree();
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  play(1);
  tickAt(60);
  EXPECT_EQ(playlist.currentEntry(), 2);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_TRUE(timer.isActive());  // the next tick goes on
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  tick.tick();
  EXPECT_EQ(playlist.currentEntry(), 3);
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
  EXPECT_EQ(playlist.entry(1).name, "Beta [CANNOT PLAY]");
  EXPECT_EQ(playlist.entry(1).path, dir.path() + "b.wav");

  engine.current->refused = true;  // an error while it runs ends it too
  tickAt(3);
  EXPECT_EQ(playlist.entry(2).name, "Gamma [CANNOT PLAY]");
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
}

TEST_F(PlayerTest, AMissingFileDuringContinuousPlayIsMarkedAndSkipped) {
  addFile("a.wav", "Alpha");
  playlist.append({"Gone", dir.path() + "gone.wav"});
  addFile("c.wav", "Gamma");
  play(1);
  tickAt(60);
  EXPECT_EQ(playlist.entry(1).name, "Gone [FILE NOT FOUND]");
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  tick.tick();
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
}

TEST_F(PlayerTest, AUserChoiceBeforeTheNextTickForgetsARefusal) {
  addThree();
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  play(1);
  tickAt(60);
  play(1);  // the user chose again before the next tick
  tick.tick();
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_TRUE(transport.hasEngineItem());
}

TEST_F(PlayerTest, ClearingThePlaylistLetsTheItemEndThenStops) {
  addThree();
  play(2);
  playlist.clear();
  tickAt(30);
  EXPECT_EQ(model.status(), PlayStatus::Playing);
  tickAt(60);
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(playlist.currentEntry(), 1);
  EXPECT_FALSE(timer.isActive());
}

TEST_F(PlayerTest, RefusalsInARowStopThePlayer) {
  addFile("a.wav", "Alpha");
  addFile("b.wav", "Beta");
  model.setModes({.repeat = true});
  play(1);
  for (int i = 0; i < 10 && model.isActive(); ++i) {
    if (engine.current) engine.current->refused = true;
    tick.tick();
  }
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_EQ(engine.created, 2);  // as many tries as entries

  // Shuffle over entries that all refuse to render ends too.
  addFile("c.wav", "Gamma");
  engine.script(dir.path() + "a.wav", {});
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  engine.script(dir.path() + "c.wav", {.refuseRender = true});
  model.setModes({.shuffle = true});
  randomPicks = {2, 3, 2, 3, 2, 3, 2, 3};
  play(1);
  tickAt(60);
  for (int i = 0; i < 10 && model.isActive(); ++i) tick.tick();
  EXPECT_EQ(model.status(), PlayStatus::Stopped);
  EXPECT_LE(randomAsked.size(), 4);

  // Refusals with whole items between them are not in a row.
  randomPicks = {2, 1, 3, 1, 2, 1};
  play(1);
  for (int i = 0; i < 3; ++i) {
    tickAt(60);   // Alpha ends; a refusing entry is drawn
    tick.tick();  // and Alpha is drawn again
  }
  EXPECT_EQ(model.status(), PlayStatus::Playing);
}

TEST_F(PlayerTest, ALengthUnknownAtTheStartIsAskedAgainAndAnEndStillCounts) {
  addThree();
  engine.script(dir.path() + "a.wav", {.duration = 60, .unknownDurationCalls = 1});
  engine.script(dir.path() + "b.wav", {.duration = 0});
  play(1);
  EXPECT_EQ(view.label(kLabelLength), "0:00");
  tickAt(1);
  EXPECT_EQ(view.label(kLabelLength), "1:00");
  EXPECT_EQ(view.label(kLabelTime), "0:01");
  tickAt(60);
  EXPECT_EQ(playlist.currentEntry(), 2);

  tickAt(3);  // a length that stays unknown
  EXPECT_EQ(playlist.currentEntry(), 2);
  engine.current->ended = true;
  tick.tick();
  EXPECT_EQ(playlist.currentEntry(), 3);
}

}  // namespace
}  // namespace kd::test
