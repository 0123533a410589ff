#include <gtest/gtest.h>

#include "core/Commands.h"

using namespace kd;

namespace {

std::array<QChar, 121> KeyMapWith(std::initializer_list<std::pair<int, char>> keys) {
  std::array<QChar, 121> map;
  map.fill(QLatin1Char(' '));
  for (auto [n, c] : keys) map[n] = QLatin1Char(c);
  return map;
}

}  // namespace

TEST(Commands, CodesAreFoundByNumberAndLinksAndGapsAreNoCommands) {
  EXPECT_EQ(FindCommand(36)->code, Command::PlayPause);
  EXPECT_STREQ(FindCommand(1)->name, "Quit");
  EXPECT_EQ(FindCommand(203)->code, Command::PlayEntry);
  for (int code : {0, -1, 37, 101, 120, 200, 206, 32767}) EXPECT_EQ(FindCommand(code), nullptr);
}

TEST(Commands, KeyLettersMatchUpperCaseAndTheLowerButtonWins) {
  const auto map = KeyMapWith({{12, 'P'}, {20, 'X'}, {15, 'X'}, {41, 'Q'}, {5, 'p'}});
  EXPECT_EQ(CommandForKey(QLatin1Char('p'), map), 12);  // typed text is upper-cased
  EXPECT_EQ(CommandForKey(QLatin1Char('P'), map), 12);  // a skin letter "p" never matches
  EXPECT_EQ(CommandForKey(QLatin1Char('x'), map), 15);
  EXPECT_EQ(CommandForKey(QLatin1Char('q'), map), 0);  // button 41 takes no part
  EXPECT_EQ(CommandForKey(QLatin1Char('k'), map), 0);
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), map), 0);  // blank key letters are no keys
}
