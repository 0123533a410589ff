#include "core/Commands.h"

namespace kd {

namespace {

using T = CommandTarget;

constexpr std::array<CommandRow, kCommandCount> kTable{{
    {Command::Quit, "Quit", &T::Quit},
    {Command::Hide, "Hide", &T::Hide},
    {Command::ToggleHalf, "ToggleHalf", &T::ToggleHalf},
    {Command::ToggleSmall, "ToggleSmall", &T::ToggleSmall},
    {Command::ShowPrefs, "ShowPrefs", &T::ShowPrefs},
    {Command::SelectSkin, "SelectSkin", &T::SelectSkin},
    {Command::VolumeDown, "VolumeDown", &T::VolumeDown},
    {Command::VolumeUp, "VolumeUp", &T::VolumeUp},
    {Command::ToggleMute, "ToggleMute", &T::ToggleMute},
    {Command::StopIt, "StopIt", &T::StopIt},
    {Command::PauseIt, "PauseIt", &T::PauseIt},
    {Command::PlayIt, "PlayIt", &T::PlayIt},
    {Command::OpenAndPlay, "OpenAndPlay", &T::OpenAndPlay},
    {Command::PrevTrack, "PrevTrack", &T::PrevTrack},
    {Command::NextTrack, "NextTrack", &T::NextTrack},
    {Command::ShowInfo, "ShowInfo", &T::ShowInfo},
    {Command::PlRemoveSelected, "PlRemoveSelected", &T::PlRemoveSelected},
    {Command::MoveDown, "PlMoveEntry(+1)", &T::MoveSelectedDown},
    {Command::MoveUp, "PlMoveEntry(-1)", &T::MoveSelectedUp},
    {Command::PlClear, "PlClear", &T::PlClear},
    {Command::PlLoad, "PlLoad", &T::PlLoad},
    {Command::PlSave, "PlSave", &T::PlSave},
    {Command::AddFile, "AddFile", &T::AddFile},
    {Command::AddFromDir, "AddFromDir", &T::AddFromDir},
    {Command::ToggleIntro, "ToggleIntro", &T::ToggleIntro},
    {Command::ToggleStopAfter, "ToggleStopAfter", &T::ToggleStopAfter},
    {Command::ToggleRepeat, "ToggleRepeat", &T::ToggleRepeat},
    {Command::ToggleShuffle, "ToggleShuffle", &T::ToggleShuffle},
    {Command::ShowMixer, "ShowMixer", &T::ShowMixer},
    {Command::SetRepeatPoint, "SetRepeatPoint", &T::SetRepeatPoint},
    {Command::SetRepeatEnd, "SetRepeatEnd", &T::SetRepeatEnd},
    {Command::Reverse, "Reverse", &T::Reverse},
    {Command::Forward, "Forward", &T::Forward},
    {Command::ToggleCoverWindow, "ToggleCoverWindow", &T::ToggleCoverWindow},
    {Command::ShowVisSelect, "ShowVisSelect", &T::ShowVisSelect},
    {Command::PlayPause, "PlayPause", &T::PlayPause},
}};

constexpr bool RowsAreInCodeOrder() {
  for (int i = 0; i < kCommandCount; ++i) {
    if (static_cast<int>(kTable[i].code) != i + 1) return false;
  }
  return true;
}
static_assert(RowsAreInCodeOrder(), "row n of the command table must hold code n");

}  // namespace

const std::array<CommandRow, kCommandCount>& CommandTable() {
  return kTable;
}

void DoIt(int code, CommandTarget& target) {
  if (code >= 1 && code <= kCommandCount) {
    (target.*kTable[code - 1].action)();
  } else if (code >= kFirstSkinLink && code < kFirstWebLink) {
    target.LoadSkinLink(code - 100);
  } else if (code >= kFirstWebLink && code <= kLastLinkCode) {
    target.WebLink(code - 100);
  }
}

int CommandForKey(QChar typed, const std::array<QChar, 121>& keyMap) {
  const QString upper = QString(typed).toUpper();
  if (upper.size() != 1) return 0;
  const QChar key = upper.at(0);
  // A button without a key letter holds a blank, which the space bar hits; a
  // button the skin does not define holds a null character, which no key hits.
  if (key.isNull()) return 0;
  for (int n = 1; n <= 40; ++n) {
    if (keyMap[n] == key) return n;
  }
  return 0;
}

}  // namespace kd
