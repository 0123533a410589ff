#include <gtest/gtest.h>

#include <QStringList>

#include "core/Commands.h"

using namespace kd;

namespace {

// Records the name of every action it is asked to run.
class RecordingTarget : public CommandTarget {
 public:
  QStringList log;
#define KD_RECORD(name)  \
  void name() override { \
    log << #name;        \
  }
  KD_RECORD(Quit)
  KD_RECORD(Hide)
  KD_RECORD(ToggleHalf)
  KD_RECORD(ToggleSmall)
  KD_RECORD(ShowPrefs)
  KD_RECORD(SelectSkin)
  KD_RECORD(VolumeDown)
  KD_RECORD(VolumeUp)
  KD_RECORD(ToggleMute)
  KD_RECORD(StopIt)
  KD_RECORD(PauseIt)
  KD_RECORD(PlayIt)
  KD_RECORD(OpenAndPlay)
  KD_RECORD(PrevTrack)
  KD_RECORD(NextTrack)
  KD_RECORD(ShowInfo)
  KD_RECORD(PlRemoveSelected)
  KD_RECORD(MoveSelectedDown)
  KD_RECORD(MoveSelectedUp)
  KD_RECORD(PlClear)
  KD_RECORD(PlLoad)
  KD_RECORD(PlSave)
  KD_RECORD(AddFile)
  KD_RECORD(AddFromDir)
  KD_RECORD(ToggleIntro)
  KD_RECORD(ToggleStopAfter)
  KD_RECORD(ToggleRepeat)
  KD_RECORD(ToggleShuffle)
  KD_RECORD(ShowMixer)
  KD_RECORD(SetRepeatPoint)
  KD_RECORD(SetRepeatEnd)
  KD_RECORD(Reverse)
  KD_RECORD(Forward)
  KD_RECORD(ToggleCoverWindow)
  KD_RECORD(ShowVisSelect)
  KD_RECORD(PlayPause)
#undef KD_RECORD
  void LoadSkinLink(int k) override {
    log << QStringLiteral("LoadSkinLink %1").arg(k);
  }
  void WebLink(int k) override {
    log << QStringLiteral("WebLink %1").arg(k);
  }
};

// A key map in which only the listed buttons are defined.
std::array<QChar, 121> KeyMapWith(std::initializer_list<std::pair<int, char>> keys) {
  std::array<QChar, 121> map;
  map.fill(QChar());
  for (auto [n, c] : keys) map[n] = QLatin1Char(c);
  return map;
}

}  // namespace

TEST(Commands, EachCodeRunsItsOwnAction) {
  const std::pair<int, const char*> expected[] = {
      {1, "Quit"},       {10, "StopIt"},    {11, "PauseIt"},           {12, "PlayIt"},
      {14, "PrevTrack"}, {15, "NextTrack"}, {18, "MoveSelectedDown"},  {19, "MoveSelectedUp"},
      {29, "ShowMixer"}, {36, "PlayPause"}, {34, "ToggleCoverWindow"}, {35, "ShowVisSelect"},
  };
  for (auto [code, name] : expected) {
    RecordingTarget target;
    DoIt(code, target);
    EXPECT_EQ(target.log, QStringList{name}) << "code " << code;
  }
}

TEST(Commands, EveryCodeOneToThirtySixRunsExactlyOneDistinctAction) {
  RecordingTarget target;
  for (int code = 1; code <= 36; ++code) DoIt(code, target);
  ASSERT_EQ(target.log.size(), 36);
  QStringList unique = target.log;
  unique.removeDuplicates();
  EXPECT_EQ(unique.size(), 36);
}

TEST(Commands, LinkCodesPassTheLinkIndexAndOthersDoNothing) {
  RecordingTarget target;
  for (int code : {0, -1, 37, 100, 121, 32767}) DoIt(code, target);
  EXPECT_TRUE(target.log.isEmpty());
  DoIt(101, target);
  DoIt(110, target);
  DoIt(111, target);
  DoIt(115, target);
  DoIt(120, target);
  EXPECT_EQ(target.log, (QStringList{"LoadSkinLink 1", "LoadSkinLink 10", "WebLink 11",
                                     "WebLink 15", "WebLink 20"}));
}

TEST(Commands, KeyLettersMatchUpperCaseAndTheLowerButtonWins) {
  const auto map = KeyMapWith({{12, 'P'}, {20, 'X'}, {15, 'X'}, {41, 'Q'}, {5, 'p'}});
  EXPECT_EQ(CommandForKey(QLatin1Char('p'), map), 12);  // typed text is upper-cased
  EXPECT_EQ(CommandForKey(QLatin1Char('P'), map), 12);  // a skin letter "p" never matches
  EXPECT_EQ(CommandForKey(QLatin1Char('x'), map), 15);
  EXPECT_EQ(CommandForKey(QLatin1Char('q'), map), 0);  // button 41 takes no part
  EXPECT_EQ(CommandForKey(QLatin1Char('k'), map), 0);
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), map), 0);  // no button without a key letter
}

TEST(Commands, TheSpaceBarRunsTheFirstButtonWithoutAKeyLetter) {
  // Buttons 9 and 36 have an empty key field; 41 lies beyond the keyed buttons.
  const auto map = KeyMapWith({{41, ' '}, {36, ' '}, {12, 'P'}, {9, ' '}});
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), map), 9);
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), KeyMapWith({{36, ' '}, {41, ' '}})), 36);
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), KeyMapWith({{41, ' '}})), 0);
  // Buttons the skin does not define hold a null character: nothing typed reaches them.
  EXPECT_EQ(CommandForKey(QChar(), map), 0);
}
