#pragma once
// The composition root: builds every part of the player, wires them
// together, and runs the start-up and shut-down sequences.

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "app/PlayerCommands.h"
#include "app/QuitSignals.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "mediainfo/CoverArt.h"
#include "playback/ModeCommands.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerState.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/SliderActions.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "playback/gst/GstMediaEngine.h"
#include "playlist/FolderScanner.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDialogs.h"
#include "skin/widgets/SkinController.h"
#include "skin/widgets/SkinWindow.h"
#include "skin/widgets/SkinWindowHandler.h"
#include "ui/QtDialogs.h"
#include "ui/SystemLauncher.h"

namespace kd {

class CoverWindowHost;

class Application : public QObject, private SkinWindowHandler {
  Q_OBJECT
 public:
  // `commandLine` is the whole argument text, taken as one path.
  explicit Application(QString commandLine);
  ~Application() override;

  // The start sequence; the window is shown at its step.
  void start();
  // Asks the program to end: runs the shut-down once, after a folder scan in
  // progress has finished.
  void requestQuit();

  SkinWindow& window() { return *m_window; }

 private:
  friend class PlayerCommands;

  // Start-up steps (StartUp.cpp).
  void readSettings();
  void checkConfiguredSkin();
  void initSliders();
  void openStartItems();
  void applyDisplaySettings();

  // Shut-down (ShutDown.cpp): every step runs even when an earlier one failed.
  void shutDown();
  void writeSettings();
  void writeLastPlaylist();

  void wire();
  void LoadSkin(const QString& name, bool importFlag);
  void SelectSkin();
  void Hide();
  void showPopup(QPoint globalPos);
  void applyOnTop();
  void startTimerWhenActive();
  int twipsPerPixel() const;

  // SkinWindowHandler
  void ButtonUp(int index) override;
  void KeyTyped(QChar character) override;
  void LabelClicked(int index) override;
  void PressKnob(int index, bool horizontal) override;
  void MoveKnob(int index, float value) override;
  void ReleaseKnob(int index) override;
  void DoubleClickKnob(int index) override;
  void PlaylistDoubleClicked(int row) override;
  void PlaylistDeletePressed() override;
  void CoverDoubleClicked() override;
  void FilesDropped(const QStringList& paths) override;
  void PopupRequested(QPoint globalPos) override;
  void CloseRequested() override;
  void Activated() override;

  QString m_commandLine;
  Settings m_settings;
  IniStore m_store;
  Playlist m_playlist;
  OutputDevice m_device;
  GstMediaEngine m_engine{&m_device};
  PlayerState m_state;
  SystemLauncher m_launcher;
  QtDialogs m_dialogs;
  std::unique_ptr<SkinWindow> m_window;
  CoverArt m_cover;
  std::unique_ptr<CoverWindowHost> m_coverHost;
  PositionTimer m_timer;
  std::unique_ptr<Transport> m_transport;
  std::unique_ptr<PositionTick> m_tick;
  std::unique_ptr<VolumeControl> m_volume;
  std::unique_ptr<SliderActions> m_sliders;
  std::unique_ptr<ModeCommands> m_modes;
  std::unique_ptr<FolderScanner> m_scanner;
  std::unique_ptr<MediaAdder> m_adder;
  std::unique_ptr<PlaylistDialogs> m_playlistDialogs;
  std::unique_ptr<SkinController> m_skin;
  PlayerCommands m_commands{*this};
  QuitSignals m_quitSignals;
  QPointer<QMenu> m_popup;
  bool m_quitRequested = false;
  bool m_shutDownDone = false;
};

}  // namespace kd
