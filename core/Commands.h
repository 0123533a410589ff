#pragma once
// Every user action is a small command code; skin buttons, key letters, the
// tray menu and the right-click menu all end in DoIt. The codes and what they
// do are one table.

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

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
  StopIt = 10,
  PauseIt = 11,
  PlayIt = 12,
  OpenAndPlay = 13,
  PrevTrack = 14,
  NextTrack = 15,
  ShowInfo = 16,
  PlRemoveSelected = 17,
  MoveDown = 18,
  MoveUp = 19,
  PlClear = 20,
  PlLoad = 21,
  PlSave = 22,
  AddFile = 23,
  AddFromDir = 24,
  ToggleIntro = 25,
  ToggleStopAfter = 26,
  ToggleRepeat = 27,
  ToggleShuffle = 28,
  ShowMixer = 29,
  SetRepeatPoint = 30,
  SetRepeatEnd = 31,
  Reverse = 32,
  Forward = 33,
  ToggleCoverWindow = 34,
  ShowVisSelect = 35,
  PlayPause = 36,
};

inline constexpr int kFirstSkinLink = 101;  // 101..110 load a linked skin
inline constexpr int kFirstWebLink = 111;   // 111..120 open a linked address
inline constexpr int kLastLinkCode = 120;

// What the commands act on. The application implements it; tests use a fake.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual void Quit() = 0;
  virtual void Hide() = 0;
  virtual void ToggleHalf() = 0;
  virtual void ToggleSmall() = 0;
  virtual void ShowPrefs() = 0;
  virtual void SelectSkin() = 0;
  virtual void VolumeDown() = 0;
  virtual void VolumeUp() = 0;
  virtual void ToggleMute() = 0;
  virtual void StopIt() = 0;
  virtual void PauseIt() = 0;
  virtual void PlayIt() = 0;
  virtual void OpenAndPlay() = 0;
  virtual void PrevTrack() = 0;
  virtual void NextTrack() = 0;
  virtual void ShowInfo() = 0;
  virtual void PlRemoveSelected() = 0;
  virtual void MoveSelectedDown() = 0;
  virtual void MoveSelectedUp() = 0;
  virtual void PlClear() = 0;
  virtual void PlLoad() = 0;
  virtual void PlSave() = 0;
  virtual void AddFile() = 0;
  virtual void AddFromDir() = 0;
  virtual void ToggleIntro() = 0;
  virtual void ToggleStopAfter() = 0;
  virtual void ToggleRepeat() = 0;
  virtual void ToggleShuffle() = 0;
  virtual void ShowMixer() = 0;
  virtual void SetRepeatPoint() = 0;
  virtual void SetRepeatEnd() = 0;
  virtual void Reverse() = 0;
  virtual void Forward() = 0;
  virtual void ToggleCoverWindow() = 0;
  virtual void ShowVisSelect() = 0;
  virtual void PlayPause() = 0;
  // Link entry k (1..20) of the loaded skin.
  virtual void LoadSkinLink(int k) = 0;
  virtual void WebLink(int k) = 0;
};

struct CommandRow {
  Command code;
  const char* name;
  void (CommandTarget::*action)();
};

inline constexpr int kCommandCount = 36;
// One row per command code 1..36, in code order.
const std::array<CommandRow, kCommandCount>& CommandTable();

// Runs command `code`; codes without an action do nothing.
void DoIt(int code, CommandTarget& target);

// The command of a typed character: upper-cased, compared exactly with the key
// letters of buttons 1..40 (the lower index wins); 0 when none matches.
// keyMap[n] is button n's key letter (index 0 unused): a blank for a button
// without one, so the space bar runs it, and a null character for a button
// the skin does not define, which no character matches.
int CommandForKey(QChar typed, const std::array<QChar, 121>& keyMap);

}  // namespace kd
