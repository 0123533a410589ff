#include "core/Commands.h"

#include <algorithm>

namespace kd {

namespace {

constexpr std::array<CommandRow, 48> kTable{{
    {Command::Quit, "Quit"},
    {Command::Hide, "Hide"},
    {Command::ToggleHalf, "ToggleHalf"},
    {Command::ToggleSmall, "ToggleSmall"},
    {Command::ShowPrefs, "ShowPrefs"},
    {Command::SelectSkin, "SelectSkin"},
    {Command::VolumeDown, "VolumeDown"},
    {Command::VolumeUp, "VolumeUp"},
    {Command::ToggleMute, "ToggleMute"},
    {Command::Stop, "Stop"},
    {Command::Pause, "Pause"},
    {Command::Play, "Play"},
    {Command::OpenAndPlay, "OpenAndPlay"},
    {Command::PreviousEntry, "PreviousEntry"},
    {Command::NextEntry, "NextEntry"},
    {Command::ShowInfo, "ShowInfo"},
    {Command::RemoveSelected, "RemoveSelected"},
    {Command::MoveDown, "MoveDown"},
    {Command::MoveUp, "MoveUp"},
    {Command::ClearPlaylist, "ClearPlaylist"},
    {Command::LoadPlaylist, "LoadPlaylist"},
    {Command::SavePlaylist, "SavePlaylist"},
    {Command::AddFile, "AddFile"},
    {Command::AddFolder, "AddFolder"},
    {Command::ToggleIntro, "ToggleIntro"},
    {Command::ToggleStopAfterEach, "ToggleStopAfterEach"},
    {Command::ToggleRepeat, "ToggleRepeat"},
    {Command::ToggleShuffle, "ToggleShuffle"},
    {Command::ShowMixer, "ShowMixer"},
    {Command::SetRepeatPoint, "SetRepeatPoint"},
    {Command::SetRepeatEnd, "SetRepeatEnd"},
    {Command::SkipBack, "SkipBack"},
    {Command::SkipForward, "SkipForward"},
    {Command::ToggleCoverWindow, "ToggleCoverWindow"},
    {Command::ShowPlaylistBrowser, "ShowPlaylistBrowser"},
    {Command::PlayPause, "PlayPause"},
    {Command::SeekTo, "SeekTo"},
    {Command::SetVolume, "SetVolume"},
    {Command::PlayEntry, "PlayEntry"},
    {Command::OpenPath, "OpenPath"},
    {Command::EnqueuePath, "EnqueuePath"},
    {Command::AppendPaths, "AppendPaths"},
    {Command::AppendAndPlay, "AppendAndPlay"},
    {Command::SeekBy, "SeekBy"},
    {Command::SeekToMilliseconds, "SeekToMilliseconds"},
    {Command::SetRate, "SetRate"},
    {Command::Raise, "Raise"},
    {Command::ToggleDoubleSize, "ToggleDoubleSize"},
}};

constexpr bool rowsAreInCodeOrder() {
  for (std::size_t i = 1; i < kTable.size(); ++i) {
    if (kTable[i - 1].code >= kTable[i].code) return false;
  }
  return true;
}
static_assert(rowsAreInCodeOrder(), "the command table is kept in code order");

}  // namespace

const std::array<CommandRow, 48>& CommandTable() {
  return kTable;
}

const CommandRow* FindCommand(int code) {
  const auto found = std::lower_bound(
      kTable.begin(), kTable.end(), code,
      [](const CommandRow& row, int wanted) { return static_cast<int>(row.code) < wanted; });
  return found != kTable.end() && static_cast<int>(found->code) == code ? &*found : nullptr;
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
