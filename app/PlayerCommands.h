#pragma once
// What each command code does in the running program: the command table's
// target, forwarding to the parts that own the actions.

#include "core/Commands.h"

namespace kd {

class Application;

class PlayerCommands : public CommandTarget {
 public:
  explicit PlayerCommands(Application& app) : m_app(app) {}

  void Quit() override;
  void Hide() override;
  void ToggleHalf() override;
  void ToggleSmall() override;
  void ShowPrefs() override;
  void SelectSkin() override;
  void VolumeDown() override;
  void VolumeUp() override;
  void ToggleMute() override;
  void StopIt() override;
  void PauseIt() override;
  void PlayIt() override;
  void OpenAndPlay() override;
  void PrevTrack() override;
  void NextTrack() override;
  void ShowInfo() override;
  void PlRemoveSelected() override;
  void MoveSelectedDown() override;
  void MoveSelectedUp() override;
  void PlClear() override;
  void PlLoad() override;
  void PlSave() override;
  void AddFile() override;
  void AddFromDir() override;
  void ToggleIntro() override;
  void ToggleStopAfter() override;
  void ToggleRepeat() override;
  void ToggleShuffle() override;
  void ShowMixer() override;
  void SetRepeatPoint() override;
  void SetRepeatEnd() override;
  void Reverse() override;
  void Forward() override;
  void ToggleCoverWindow() override;
  void ShowVisSelect() override;
  void PlayPause() override;
  void LoadSkinLink(int k) override;
  void WebLink(int k) override;

 private:
  Application& m_app;
};

}  // namespace kd
