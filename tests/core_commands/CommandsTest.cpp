#include <gtest/gtest.h>

#include "core/Commands.h"

using namespace kd;

namespace {

// A key map in which only the listed buttons are defined.
std::array<QChar, 121> KeyMapWith(std::initializer_list<std::pair<int, char>> keys) {
  std::array<QChar, 121> map;
  map.fill(QChar());
  for (auto [n, c] : keys) map[n] = QLatin1Char(c);
  return map;
}

}  // namespace

TEST(Commands, CodesAreFoundByNumberAndLinksAndGapsAreNoCommands) {
  EXPECT_EQ(FindCommand(36)->code, Command::PlayPause);
  EXPECT_STREQ(FindCommand(1)->name, "Quit");
  EXPECT_EQ(FindCommand(203)->code, Command::PlayEntry);
  EXPECT_EQ(FindCommand(211)->code, Command::Raise);
  for (int code : {0, -1, 37, 101, 120, 200, 213, 32767}) EXPECT_EQ(FindCommand(code), nullptr);
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
