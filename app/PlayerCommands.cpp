#include "app/PlayerCommands.h"

#include "app/Application.h"
#include "core/WebLink.h"
#include "skin/widgets/ButtonZone.h"

namespace kd {

// Changes of the playlist wait for a folder scan in progress, so entries
// never interleave with the scan's batches.
#define KD_AFTER_SCAN(body) m_app.m_adder->whenIdle([this] { body; })

void PlayerCommands::Quit() {
  m_app.requestQuit();
}
void PlayerCommands::Hide() {
  m_app.Hide();
}
void PlayerCommands::ToggleHalf() {
  m_app.m_window->ToggleHalf();
}
void PlayerCommands::ToggleSmall() {
  m_app.m_window->ToggleSmall();
}
// The preferences, track information and playlist browser windows do not
// exist yet; their commands reach here and do nothing.
void PlayerCommands::ShowPrefs() {}
void PlayerCommands::ShowInfo() {}
void PlayerCommands::ShowVisSelect() {}
void PlayerCommands::SelectSkin() {
  m_app.SelectSkin();
}
void PlayerCommands::VolumeDown() {
  m_app.m_volume->VolumeDown();
}
void PlayerCommands::VolumeUp() {
  m_app.m_volume->VolumeUp();
}
void PlayerCommands::ToggleMute() {
  m_app.m_volume->ToggleMute();
}
void PlayerCommands::StopIt() {
  m_app.m_transport->StopIt();
}
void PlayerCommands::PauseIt() {
  m_app.m_transport->PauseIt();
}
void PlayerCommands::PlayIt() {
  KD_AFTER_SCAN(m_app.m_transport->PlayIt());
}
void PlayerCommands::OpenAndPlay() {
  m_app.m_adder->OpenAndPlay();
}
void PlayerCommands::PrevTrack() {
  KD_AFTER_SCAN(m_app.m_transport->PrevTrack());
}
void PlayerCommands::NextTrack() {
  KD_AFTER_SCAN(m_app.m_transport->NextTrack());
}
void PlayerCommands::PlRemoveSelected() {
  KD_AFTER_SCAN(m_app.m_playlist.PlRemoveSelected());
}
void PlayerCommands::MoveSelectedDown() {
  KD_AFTER_SCAN(m_app.m_playlist.PlMoveEntry(1));
}
void PlayerCommands::MoveSelectedUp() {
  KD_AFTER_SCAN(m_app.m_playlist.PlMoveEntry(-1));
}
void PlayerCommands::PlClear() {
  KD_AFTER_SCAN(m_app.m_playlist.PlClear());
}
void PlayerCommands::PlLoad() {
  m_app.m_playlistDialogs->PlLoad();
}
void PlayerCommands::PlSave() {
  m_app.m_playlistDialogs->PlSave();
}
void PlayerCommands::AddFile() {
  m_app.m_adder->AddFile();
}
void PlayerCommands::AddFromDir() {
  m_app.m_adder->AddFolder();
}
void PlayerCommands::ToggleIntro() {
  m_app.m_modes->ToggleIntro();
}
void PlayerCommands::ToggleStopAfter() {
  m_app.m_modes->ToggleStopAfter();
}
void PlayerCommands::ToggleRepeat() {
  m_app.m_modes->ToggleRepeat();
}
void PlayerCommands::ToggleShuffle() {
  m_app.m_modes->ToggleShuffle();
}
void PlayerCommands::ShowMixer() {
  m_app.m_volume->ShowMixer();
}
void PlayerCommands::SetRepeatPoint() {
  // A skin that shows a separate B button (31) sets the two points apart.
  const ButtonZone* endButton = m_app.m_window->button(31);
  m_app.m_modes->SetRepeatPoint(endButton && endButton->isVisibleTo(m_app.m_window.get()));
}
void PlayerCommands::SetRepeatEnd() {
  m_app.m_modes->SetRepeatEnd();
}
void PlayerCommands::Reverse() {
  m_app.m_transport->Reverse();
}
void PlayerCommands::Forward() {
  m_app.m_transport->Forward();
}
void PlayerCommands::ToggleCoverWindow() {
  m_app.m_cover.ToggleCoverWindow();
}
void PlayerCommands::PlayPause() {
  KD_AFTER_SCAN(m_app.m_transport->PlayPause());
}

void PlayerCommands::LoadSkinLink(int k) {
  m_app.LoadSkin(m_app.m_window->SkinLink(k), false);
}

void PlayerCommands::WebLink(int k) {
  if (const auto url = WebLinkTarget(m_app.m_window->SkinLink(k))) m_app.m_launcher.OpenUrl(*url);
}

#undef KD_AFTER_SCAN

}  // namespace kd
