// The position tick: time display, position knob, intro scan, A-B repeat and
// the advance to the next entry.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, TheTimeAndTheKnobFollowThePosition) {
  addThree();
  play(1);
  view.log.clear();
  tickAt(0.3);
  tickAt(0.4);
  tickAt(1.6);
  // The time text is written only when it changes; the knob moves on every
  // tick, floored to 1/10000.
  EXPECT_EQ(view.linesStartingWith("L1="), QStringList({"L1=0:00", "L1=0:02"}));
  EXPECT_EQ(view.linesStartingWith("D1="), QStringList({"D1=0", "D1=2"}));
  EXPECT_EQ(view.linesStartingWith("S1=").size(), 3);
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderPosition), 0.0266f);
  tickAt(59.99);
  EXPECT_FLOAT_EQ(view.sliders.value(kSliderPosition), 0.9998f);

  modes.ToggleTimeFlag();  // the remaining time, from the next tick on
  tickAt(35);
  EXPECT_EQ(view.LabelText(kLabelTime), "-0:25");
  EXPECT_EQ(view.linesStartingWith("D1=").last(), "D1=25");

  view.log.clear();  // a dragged or hidden knob is left alone
  state.SlideFlag = kSliderPosition;
  tickAt(10);
  state.SlideFlag = 0;
  view.HideSlider(kSliderPosition);
  tickAt(11);
  EXPECT_TRUE(view.linesStartingWith("S1=").isEmpty());
}

TEST_F(PlayerTest, TheEndOfAnItemPlaysTheNextEntry) {
  addThree();
  play(1);
  tickAt(59.9);
  EXPECT_EQ(playlist.TNum(), 1);
  tickAt(60.02);  // a little beyond the length is the end too
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "b.wav");

  engine.current->setPosition(58.5);
  engine.current->ended = true;  // the engine's end of stream
  tick.Tick();
  EXPECT_EQ(playlist.TNum(), 3);

  tickAt(60);  // past the last entry: entry 1, stopped
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_FALSE(state.flags.Playing);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_EQ(engine.created, 3);
}

TEST_F(PlayerTest, RepeatThenShuffleChooseTheNextEntry) {
  addThree();
  state.flags.Repeat = true;
  state.flags.Shuffle = true;
  play(2);
  tickAt(60);  // repeat wins: nothing is drawn
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(engine.created, 2);
  EXPECT_TRUE(randomAsked.isEmpty());

  // Shuffle draws from the whole list, the same entry too; answers out of
  // range cannot send the player off the list.
  state.flags.Repeat = false;
  randomPicks = {3, 9, 0};
  QList<int> chosen;
  for (int i = 0; i < 3; ++i) {
    tickAt(60);
    chosen.append(playlist.TNum());
  }
  EXPECT_EQ(chosen, QList<int>({3, 3, 1}));
  EXPECT_EQ(randomAsked, QList<int>({3, 3, 3}));
  EXPECT_TRUE(state.flags.Playing);
}

TEST_F(PlayerTest, StopAfterEachItemShowsTheNextEntryStopped) {
  addThree();
  state.flags.STP = true;
  play(1);
  tickAt(60);
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(view.LabelText(kLabelTitle), "Beta");
  EXPECT_FALSE(state.flags.Playing);
  EXPECT_FALSE(transport.hasEngineItem());
}

TEST_F(PlayerTest, IntroScanPlaysTenSecondsOfEachItem) {
  addFile("a.wav", "Alpha");
  addFile("short.wav", "Short");
  addFile("c.wav", "Gamma");
  engine.script(dir.path() + "short.wav", {.duration = 8});
  state.flags.Intro = true;
  play(1);
  tickAt(10.0);
  EXPECT_EQ(playlist.TNum(), 1);
  // The tick ends after the advance: the 10.02 s read from the long item must
  // not count as the end of the 8 s item that replaced it.
  tickAt(10.02);
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_EQ(renderedPath(), dir.path() + "short.wav");
  EXPECT_TRUE(state.flags.Playing);

  tickAt(8.0);  // a short item ends at its end
  EXPECT_EQ(playlist.TNum(), 3);
}

TEST_F(PlayerTest, ABRepeatJumpsBackAgainAndAgain) {
  addThree();
  play(1);
  state.RptA = 12;
  state.flags.RptB = 30;
  engine.log.clear();
  tickAt(29.9);
  tickAt(30.0);
  tickAt(20);
  tickAt(30.4);
  EXPECT_EQ(engine.log, QStringList({"seek 12", "seek 12"}));

  state.RptA = 0;  // a B point without an A point repeats from the start
  tickAt(31);
  EXPECT_EQ(engine.log.last(), "seek 0");
  EXPECT_EQ(playlist.TNum(), 1);
}

TEST_F(PlayerTest, AnEngineRefusalDuringContinuousPlayGoesOnUnlessTheUserActs) {
  addThree();
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  play(1);
  tickAt(60);
  play(1);  // the user chose again before the next tick: the refusal is forgotten
  tick.Tick();
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_TRUE(transport.hasEngineItem());

  tickAt(60);
  EXPECT_EQ(playlist.TNum(), 2);
  EXPECT_FALSE(transport.hasEngineItem());
  EXPECT_TRUE(timer.isActive());  // the next tick goes on
  tick.Tick();
  EXPECT_EQ(playlist.TNum(), 3);
  EXPECT_EQ(renderedPath(), dir.path() + "c.wav");
  EXPECT_TRUE(state.flags.Playing);
  EXPECT_EQ(playlist.entry(1).name, "Beta");  // never marked

  engine.current->refused = true;  // an error while it runs ends it too
  tickAt(3);
  EXPECT_EQ(playlist.TNum(), 1);
  EXPECT_FALSE(state.flags.Playing);
}

TEST_F(PlayerTest, RefusalsInARowStopThePlayer) {
  addFile("a.wav", "Alpha");
  addFile("b.wav", "Beta");
  state.flags.Repeat = true;
  play(1);
  for (int i = 0; i < 10 && state.flags.Playing; ++i) {
    if (engine.current) engine.current->refused = true;
    tick.Tick();
  }
  EXPECT_FALSE(state.flags.Playing);
  EXPECT_EQ(engine.created, 2);  // as many tries as entries

  // Shuffle over entries that all refuse to render ends too.
  addFile("c.wav", "Gamma");
  engine.script(dir.path() + "b.wav", {.refuseRender = true});
  engine.script(dir.path() + "c.wav", {.refuseRender = true});
  state.flags.Repeat = false;
  state.flags.Shuffle = true;
  randomPicks = {2, 3, 2, 3, 2, 3, 2, 3};
  play(1);
  tickAt(60);
  for (int i = 0; i < 10 && state.flags.Playing; ++i) tick.Tick();
  EXPECT_FALSE(state.flags.Playing);
  EXPECT_LE(randomAsked.size(), 4);

  // Refusals with whole items between them are not in a row.
  randomPicks = {2, 1, 3, 1, 2, 1};
  play(1);
  for (int i = 0; i < 3; ++i) {
    tickAt(60);   // Alpha ends; a refusing entry is drawn
    tick.Tick();  // and Alpha is drawn again
  }
  EXPECT_TRUE(state.flags.Playing);
}

TEST_F(PlayerTest, ALengthUnknownAtTheStartIsAskedAgainAndAnEndStillCounts) {
  addThree();
  engine.script(dir.path() + "a.wav", {.duration = 60, .unknownDurationCalls = 1});
  engine.script(dir.path() + "b.wav", {.duration = 0});
  play(1);
  EXPECT_EQ(view.LabelText(kLabelLength), "0:00");
  tickAt(1);
  EXPECT_EQ(view.LabelText(kLabelLength), "1:00");
  EXPECT_EQ(view.LabelText(kLabelTime), "0:01");
  tickAt(60);
  EXPECT_EQ(playlist.TNum(), 2);

  tickAt(3);  // a length that stays unknown
  EXPECT_EQ(playlist.TNum(), 2);
  engine.current->ended = true;
  tick.Tick();
  EXPECT_EQ(playlist.TNum(), 3);
}

}  // namespace
}  // namespace kd::test
