#pragma once
// The composition root: builds every part of the player, wires them
// together, and runs the start-up and shut-down sequences. Members are
// declared in the order they depend on each other, so they are built in
// that order and torn down in reverse.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

#include "app/PlayerCommands.h"
#include "app/QuitSignals.h"
#include "core/IniStore.h"
#include "core/SaveSchedule.h"
#include "core/Settings.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/TrackInfoForm.h"
#include "mediainfo/widgets/CoverWindow.h"
#include "mediainfo/widgets/CoverWindowHost.h"
#include "mediainfo/widgets/TrackInfoWindowHost.h"
#include "mpris/MprisService.h"
#include "playback/CurrentTrackFile.h"
#include "playback/LoadedMediaEngine.h"
#include "playback/ModeCommands.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/SliderActions.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "playlist/FolderScanner.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDialogs.h"
#include "scheduler/AlarmClock.h"
#include "scheduler/WallClock.h"
#include "skin/SkinPresenter.h"
#include "skin/widgets/SkinController.h"
#include "skin/widgets/SkinWindow.h"
#include "skin/widgets/SkinWindowHandler.h"
#include "ui/PlaylistBrowserWindow.h"
#include "ui/PreferencesDialogHost.h"
#include "ui/PreferencesEditor.h"
#include "ui/QtDialogs.h"
#include "ui/SystemLauncher.h"
#include "ui/TrayIcon.h"

namespace kd {

class Application : public QObject, private SkinWindowHandler, private PreferencesHost {
  Q_OBJECT
 public:
  // `startPaths`: the command line's paths, added in order at start.
  explicit Application(QStringList startPaths = {});
  ~Application() override;

  // The start sequence; the window is shown at its step.
  void start();
  // Asks the program to end: runs the shut-down once, after a folder scan in
  // progress has finished.
  void requestQuit();
  // Puts the player on `bus` (MPRIS and the hand-over of later starts) once
  // the window has been painted; a disconnected bus leaves it off the bus.
  void publishOnBus(QDBusConnection bus);
  // The player's object on the session bus; null until published.
  const MprisService* remoteControl() const { return m_remote.get(); }

  SkinWindow& window() { return *m_window; }
  CommandExecutor& commands() { return m_commands; }
  const PlayerModel& model() const { return m_model; }
  const Playlist& playlist() const { return m_playlist; }
  // A folder scan runs, or changes asked for meanwhile wait for it.
  bool addsPending() const { return m_scanner.isBusy(); }
  // The icon in the notification area; null until the window has been
  // painted once (it must not delay the window's first appearance).
  TrayIcon* tray() const { return m_tray.get(); }
  PreferencesDialogHost& preferences() { return m_preferences; }
  const Settings& settings() const { return m_settings; }
  int sleepCount() const override { return m_alarm.sleepCount(); }
  // The process ends without the shut-down having run (exit() from inside
  // Qt): the shut-down's files are written, nothing else is done.
  void endingWithoutShutDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Start-up steps (StartUp.cpp).
  void readSettings();
  void checkConfiguredSkin();
  void initLevels();
  void openStartItems();
  void applyDisplaySettings();
  void loadOnOffList();

  // Shut-down (ShutDown.cpp): every step runs even when an earlier one failed.
  void shutDown();
  // Registers the hook that writes the files when the process ends without
  // its shut-down.
  void armExitHook();
  // The shut-down's files when the process ends without it (the display
  // connection broke): nothing on the display is touched any more.
  void shutDownAtExit();
  // The settings, the on/off list and the playlist as the shut-down writes
  // them; each failure is told to `sink`. True when every file was written.
  bool writeState(MessageSink& sink);
  bool writeSettings(MessageSink& sink);
  bool writeLastPlaylist(MessageSink& sink);
  bool writeOnOffList(MessageSink& sink);
  // Something the shut-down writes has changed: it is saved shortly.
  void stateChanged();
  void autosave();

  void wire();
  AddContext addContext();
  void loadSkin(const QString& name, bool importFlag);
  void showTray();
  void publishRemoteControl();
  void hide();
  void bringWindowBack();
  void showPreferences();
  void showPopup(QPoint globalPos);
  // "Double size" on or off: the DoubleSize setting and the skin's scale.
  void toggleDoubleSize();
  // Whether the popup menu's on/off entry of `command` is ticked.
  bool isEntryOn(Command command) const;
  void showPlaylistBrowser();
  void applyOnTop();
  void startTimerWhenActive();
  int twipsPerPixel() const;

  // SkinWindowHandler
  void buttonUp(int index) override;
  void keyTyped(QChar character) override;
  void labelClicked(int index) override;
  void pressKnob(int index, bool horizontal) override;
  void moveKnob(int index, float value) override;
  void releaseKnob(int index) override;
  void doubleClickKnob(int index) override;
  void wheelOnSlider(int index, int steps) override;
  void playlistDoubleClicked(int row) override;
  void playlistDeletePressed() override;
  void coverDoubleClicked() override;
  void filesDropped(const QStringList& paths) override;
  void popupRequested(QPoint globalPos) override;
  void closeRequested() override;
  void activated() override;
  void windowMoved() override;

  // PreferencesHost
  void setWindowOnTop(bool onTop) override;
  void settingsChanged() override;
  void setSleepMinutes(int minutes) override;
  QStringList onOffList() const override;
  void setOnOffList(const QStringList& entries) override;
  void selectSkin() override;
  QString skinInfo() const override;

  QStringList m_startPaths;
  Settings m_settings;
  IniStore m_store;
  Playlist m_playlist;
  PlayerModel m_model;
  OutputDevice m_device;
  LoadedMediaEngine m_engine{&m_device};
  SystemLauncher m_launcher;
  std::unique_ptr<SkinWindow> m_window;
  QtDialogs m_dialogs{m_window.get()};
  CoverArt m_cover{m_dialogs};
  CoverWindowHost m_coverHost{[this] { return m_cover.lastCover(); }};
  PositionTimer m_timer;
  Transport m_transport{m_model, m_playlist, m_engine, m_timer, m_dialogs, m_cover, m_settings};
  PositionTick m_tick{m_transport, m_timer, DefaultRandomSource()};
  CurrentTrackFile m_trackFile{m_transport};
  TrackInfoForm m_trackInfo{m_trackFile, m_dialogs, m_settings};
  TrackInfoWindowHost m_trackInfoHost{m_trackInfo};
  VolumeControl m_volume{m_model, m_device, m_launcher};
  SliderActions m_sliders{m_model, m_transport, m_volume, m_timer};
  ModeCommands m_modes{m_model};
  FolderScanner m_scanner{m_playlist};
  MediaAdder m_adder{addContext()};
  PlaylistDialogs m_playlistDialogs{addContext()};
  SkinController m_skin{*m_window, m_settings, m_dialogs};
  SkinPresenter m_presenter{m_model, m_playlist, *m_window};
  PlayerCommands m_commands;
  SystemWallClock m_wallClock;
  AlarmClock m_alarm{m_settings, m_wallClock, m_presenter, m_commands, m_model, m_playlist};
  // autolist.txt was there but could not be read: it is not written over
  // with an empty list.
  bool m_onOffListUnreadable = false;
  PreferencesEditor m_preferencesEditor{m_settings, *this, m_dialogs};
  PreferencesDialogHost m_preferences{m_preferencesEditor};
  std::unique_ptr<TrayIcon> m_tray;
  QDBusConnection m_bus{QString()};
  std::unique_ptr<MprisService> m_remote;
  QuitSignals m_quitSignals;
  QPointer<QMenu> m_popup;
  QPointer<PlaylistBrowserWindow> m_browserWindow;
  QTimer m_autosaveTimer;
  QElapsedTimer m_autosaveClock;
  SaveSchedule m_autosave{
      SaveSchedule::Hooks{[this] { return static_cast<int64_t>(m_autosaveClock.elapsed()); },
                          [this](int64_t ms) { m_autosaveTimer.start(static_cast<int>(ms)); },
                          [this] { m_autosaveTimer.stop(); }, [this] { return addsPending(); },
                          [this] { autosave(); }}};
  // Which files the last autosave could not write (and said so): their next
  // failures stay quiet until one of their saves succeeds again.
  struct AutosaveFailing {
    bool settings = false;
    bool onOffList = false;
    bool playlist = false;
  } m_autosaveFailing;
  bool m_started = false;
  bool m_quitRequested = false;
  bool m_shutDownDone = false;
};

}  // namespace kd
