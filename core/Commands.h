#pragma once
// Every user action is a small command code; skin buttons, key letters, the
// tray and right-click menus, the scheduler, the playlist browser and remote
// control all run them through one CommandExecutor. The codes and their
// names are one table.

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <variant>

namespace kd {

enum class Command : int16_t {
  Quit = 1,
  Hide = 2,
  ToggleHalf = 3,
  ToggleSmall = 4,
  ShowPrefs = 5,
  SelectSkin = 6,
  VolumeDown = 7,
  VolumeUp = 8,
  ToggleMute = 9,
  Stop = 10,
  Pause = 11,
  Play = 12,
  OpenAndPlay = 13,
  PreviousEntry = 14,
  NextEntry = 15,
  ShowInfo = 16,
  RemoveSelected = 17,
  MoveDown = 18,
  MoveUp = 19,
  ClearPlaylist = 20,
  LoadPlaylist = 21,
  SavePlaylist = 22,
  AddFile = 23,
  AddFolder = 24,
  ToggleIntro = 25,
  ToggleStopAfterEach = 26,
  ToggleRepeat = 27,
  ToggleShuffle = 28,
  ShowMixer = 29,
  SetRepeatPoint = 30,
  SetRepeatEnd = 31,
  SkipBack = 32,
  SkipForward = 33,
  ToggleCoverWindow = 34,
  ShowPlaylistBrowser = 35,
  PlayPause = 36,
  // Commands no skin button or key reaches; all but the last two take an argument.
  SeekTo = 201,       // whole seconds
  SetVolume = 202,    // percent, 0..100
  PlayEntry = 203,    // entry number, 1-based
  OpenPath = 204,     // a path or address: the playlist holds only it, and it plays
  EnqueuePath = 205,  // a path or address: added to the playlist
  // A list of paths or addresses, appended in order; when the player is
  // stopped the first of them plays (files handed over by a second start).
  AppendPaths = 206,
  AppendAndPlay = 207,       // a path or address: appended, and it plays
  SeekBy = 208,              // milliseconds from where the item stands, back when negative
  SeekToMilliseconds = 209,  // milliseconds from the item's start
  SetRate = 210,             // per mille of normal speed, 500..1500
  Raise = 211,               // brings the window back and to the front
  ToggleDoubleSize = 212,    // skins at twice their size, or back (the popup menu's entry)
};

inline constexpr int kFirstSkinLink = 101;  // 101..110 load a linked skin
inline constexpr int kFirstWebLink = 111;   // 111..120 open a linked address
inline constexpr int kLastLinkCode = 120;

// A number, a path or a list of paths, for the commands that take one.
using CommandArgument = std::variant<std::monostate, int, QString, QStringList>;

struct CommandRow {
  Command code;
  const char* name;
};

// Every command, in code order.
const std::array<CommandRow, 48>& CommandTable();
// The row of `code`; nullptr for a code that is no command (links included).
const CommandRow* FindCommand(int code);

// Runs commands. The program's executor routes each code to the part that
// carries it out; a code without a command does nothing.
class CommandExecutor {
 public:
  virtual ~CommandExecutor() = default;
  virtual void execute(int code, const CommandArgument& argument = {}) = 0;
  void execute(Command command, const CommandArgument& argument = {}) {
    execute(static_cast<int>(command), argument);
  }
};

// The command of a typed character: upper-cased, compared exactly with the key
// letters of buttons 1..40 (the lower index wins); 0 when none matches.
// keyMap[n] is button n's key letter (index 0 unused): a blank for a button
// without one, so the space bar runs it, and a null character for a button
// the skin does not define, which no character matches.
int CommandForKey(QChar typed, const std::array<QChar, 121>& keyMap);

}  // namespace kd
