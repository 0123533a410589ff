#include "app/Application.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>

#include "core/Commands.h"
#include "core/SettingsTable.h"
#include "core/WindowPlacement.h"
#include "mediainfo/widgets/CoverWindow.h"
#include "playlist/PlaylistWriter.h"
#include "scheduler/OnOffList.h"
#include "skin/SkinView.h"
#include "ui/PopupMenu.h"
#include "util/AppPaths.h"

namespace kd {

namespace {

// The player whose files are written when the process ends without its
// shut-down: Qt ends it with exit() when the display connection breaks.
Application* g_running = nullptr;

void WriteFilesAtExit() {
  if (g_running) g_running->endingWithoutShutDown();
}

}  // namespace

Application::Application(QStringList startPaths)
    : m_startPaths(std::move(startPaths)),
      m_window(std::make_unique<SkinWindow>()),
      m_commands(PlayerCommands::Parts{m_transport, m_volume, m_modes, m_playlist, m_adder,
                                       m_playlistDialogs, m_cover, *m_window, m_launcher},
                 PlayerCommands::AppActions{
                     [this] { requestQuit(); }, [this] { hide(); }, [this] { selectSkin(); },
                     [this] { m_trackInfoHost.show(); },
                     [this](const QString& skin) { loadSkin(skin, false); },
                     [this] { showPreferences(); }, [this] { showPlaylistBrowser(); },
                     [this] { toggleDoubleSize(); }, [this] { bringWindowBack(); }}) {
  m_window->setWindowTitle(QStringLiteral("kavorodeck"));
  wire();
  g_running = this;
}

void Application::armExitHook() {
  // The process's exit runs the hooks and the destructors of statics in the
  // reverse order they were made: whatever the writers make on first use must
  // exist before the hook is registered, or it is gone when the hook runs.
  IniStore scratch;
  WriteShutdownSettings(scratch, m_settings);
  WriteLastRun(scratch, m_cover.lastCover(), 0);
  (void)scratch.toBytes();
  (void)SerializeOnOffList(m_alarm.onOffList());
  (void)FormatPlaylist({}, DataFolder() + QStringLiteral("playlist.m3u"));
  static const bool registered = std::atexit(WriteFilesAtExit) == 0;
  (void)registered;
}

void Application::endingWithoutShutDown() {
  shutDownAtExit();
}

Application::~Application() {
  if (g_running == this) g_running = nullptr;
  // The browser's work refers to the commands: end it first.
  delete m_browserWindow;
  // Queued scan work refers to the adder and the playlist: end it first.
  m_scanner.cancel();
}

void Application::wire() {
  m_window->setHandler(this);
  m_tick.setKnobTravel([this] { return m_window->knobTravel(kSliderPosition); });
  m_window->setPlaylist(&m_playlist);

  m_cover.setSkinSink(m_window.get());
  m_cover.setWindowSink(&m_coverHost);
  m_coverHost.setAnchor([this] { return m_window->frameGeometry(); });
  m_cover.setPlaylistCover([this] { return m_playlist.cover(); });
  m_cover.setPreferencesVisibleQuery([this] { return m_preferences.isVisible(); });
  connect(&m_playlist, &Playlist::cleared, this, [this] { m_cover.playlistCleared(); });

  m_skin.setHooks({[this] { m_timer.stop(); }, [this] { startTimerWhenActive(); },
                   SkinController::importDialogOf(m_dialogs)});

  connect(&m_quitSignals, &QuitSignals::quitRequested, this, [this] { requestQuit(); });
  // The session's end, or anything else that ends the event loop.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { requestQuit(); });
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { shutDown(); });

  // What the shut-down writes is saved while the program runs too.
  m_autosaveClock.start();
  m_autosaveTimer.setSingleShot(true);
  connect(&m_autosaveTimer, &QTimer::timeout, this, [this] { m_autosave.timeout(); });
  const auto changed = [this] { stateChanged(); };
  connect(&m_playlist, &Playlist::countChanged, this, changed);
  connect(&m_playlist, &Playlist::currentEntryChanged, this, changed);
  connect(&m_playlist, &Playlist::titleChanged, this, changed);
  connect(&m_playlist, &Playlist::coverChanged, this, changed);
  // Names, paths and moves; not the playing entry's mark.
  connect(&m_playlist, &Playlist::dataChanged, this,
          [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
            if (roles.isEmpty() || roles.contains(Qt::DisplayRole) ||
                roles.contains(Playlist::PathRole))
              stateChanged();
          });
  connect(&m_device, &OutputDevice::levelsChanged, this, changed);
}

AddContext Application::addContext() {
  return {m_playlist, m_settings, m_store, m_scanner, m_dialogs, [this] { m_transport.play(); }};
}

void Application::requestQuit() {
  if (m_quitRequested) return;
  m_quitRequested = true;
  // A quit during a folder scan is carried out when the scan ends.
  m_adder.whenIdle([this] {
    shutDown();
    QCoreApplication::quit();
  });
}

void Application::loadSkin(const QString& name, bool importFlag) {
  m_skin.loadSkin(name, importFlag);
  stateChanged();
}

void Application::selectSkin() {
  FileDialogRequest request;
  request.title = QString::fromUtf8("选择界面文件");
  // Classic skins are offered beside our own: archives, or a folder chosen by its main.bmp.
  request.filter = QString::fromUtf8(
      "界面文件 (*.skin)|*.skin|经典界面 (*.wsz, main.bmp)|*.WSZ;MAIN.BMP;Main.bmp|"
      "全部界面|*.skin;*.WSZ;MAIN.BMP;Main.bmp");
  request.filterIndex = 1;
  request.initialFolder = m_settings.SkinPath.isEmpty() ? ProgramFolder() : m_settings.SkinPath;
  const FileDialogResult chosen = m_dialogs.openFile(request);
  if (chosen.cancelled()) return;
  loadSkin(chosen.path, false);
}

// Called once the window has been painted: the icon never delays its first
// appearance. A start-up that asks for a hidden window hides it now, into the
// icon.
void Application::showTray() {
  if (m_tray || m_shutDownDone) return;
  m_window->removeEventFilter(this);
  publishRemoteControl();
  m_tray = std::make_unique<TrayIcon>(
      m_commands,
      TrayIcon::Hooks{[this] { return m_preferences.isVisible(); }, [this] { bringWindowBack(); },
                      [this](Command command) { return isEntryOn(command); }});
  m_tray->show();
  QApplication::setWindowIcon(m_tray->systemTrayIcon().icon());
  if (m_settings.StartMin == 1) hide();
}

void Application::publishOnBus(QDBusConnection bus) {
  m_bus = bus;
  if (m_tray) publishRemoteControl();
}

void Application::publishRemoteControl() {
  if (m_remote || !m_bus.isConnected()) return;
  auto remote = std::make_unique<MprisService>(
      m_model, m_playlist, m_commands,
      MprisService::Sources{[this] { return m_transport.currentPosition(); },
                            [this] {
                              // The default picture is no track's cover.
                              const QString& cover = m_cover.lastCover();
                              return cover == CoverArt::defaultPicture() ? QString() : cover;
                            }});
  // Another player took the name meanwhile: this one stays off the bus.
  if (remote->publish(m_bus)) m_remote = std::move(remote);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_window.get() && event->type() == QEvent::Paint && !m_tray) {
    QTimer::singleShot(0, this, [this] { showTray(); });
  }
  return QObject::eventFilter(watched, event);
}

void Application::hide() {
  // Without a notification area a hidden window could not be brought back:
  // it is minimised instead.
  if (m_tray && m_tray->canHoldWindow()) {
    m_window->hide();
  } else {
    m_window->showMinimized();
  }
}

void Application::bringWindowBack() {
  if (m_window->isMinimized()) {
    m_window->showNormal();
  } else {
    m_window->show();
  }
  m_window->raise();
  m_window->activateWindow();
  applyOnTop();
}

void Application::showPreferences() {
  m_preferences.show(m_window.get());
}

void Application::showPopup(QPoint globalPos) {
  if (!m_popup) {
    m_popup = CreatePopupMenu(m_window.get(), m_commands,
                              [this](Command command) { return isEntryOn(command); });
  }
  m_popup->popup(globalPos);
}

// The main window leaves the top layer while the browser is open; whichever
// way the browser closes, the main window's on-top setting applies again.
void Application::showPlaylistBrowser() {
  m_window->setOnTop(false);
  if (m_browserWindow) {
    m_browserWindow->raise();
    m_browserWindow->activateWindow();
    return;
  }
  BrowserOptions options;
  options.friendlyNames = m_settings.friendlyNamesOn();
  options.codepage = m_settings.legacyCodepage();
  options.defaultPicture = CoverArt::defaultPicture();
  m_browserWindow = new PlaylistBrowserWindow(options, m_commands);
  connect(m_browserWindow, &PlaylistBrowserWindow::closed, this, [this] { applyOnTop(); });
  connect(&m_browserWindow->browser(), &PlaylistBrowser::madeDefault, this,
          [this](const QString& folder) {
            m_settings.VisPLPath = folder;
            stateChanged();
          });
  m_browserWindow->open(m_settings.VisPLPath.isEmpty() ? ProgramFolder() : m_settings.VisPLPath);
}

void Application::toggleDoubleSize() {
  m_settings.DoubleSize = m_settings.DoubleSize == 1 ? 0 : 1;
  m_skin.setDoubleSize(m_settings.DoubleSize == 1);
  stateChanged();
}

bool Application::isEntryOn(Command command) const {
  return command == Command::ToggleDoubleSize && m_settings.DoubleSize == 1;
}

// The position tick does nothing while no item is loaded, so the timer is not
// left running then: a stopped player wakes up nobody.
void Application::startTimerWhenActive() {
  if (m_transport.hasEngineItem() || m_transport.hasPictureItem()) m_timer.start();
}

void Application::applyOnTop() {
  m_window->setOnTop(m_settings.WinOnTop != 0);
}

int Application::twipsPerPixel() const {
  const QScreen* screen = m_window->screen();
  return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

// --- what the window reports ------------------------------------------------

void Application::buttonUp(int index) {
  m_commands.execute(index);
}

void Application::keyTyped(QChar character) {
  const int code = CommandForKey(character, m_window->keyMap());
  if (code > 0) m_commands.execute(code);
}

void Application::labelClicked(int index) {
  if (index == kLabelTime) m_modes.toggleTimeDirection();
  if (index == kLabelTitle) m_commands.execute(Command::ShowInfo);
}

void Application::pressKnob(int index, bool horizontal) {
  if (const auto role = SliderRoleOf(index)) m_sliders.pressKnob(*role, horizontal);
}
void Application::moveKnob(int index, float value) {
  if (const auto role = SliderRoleOf(index)) m_sliders.moveKnob(*role, value);
}
void Application::releaseKnob(int index) {
  if (const auto role = SliderRoleOf(index)) m_sliders.releaseKnob(*role);
}
void Application::doubleClickKnob(int index) {
  if (const auto role = SliderRoleOf(index)) m_sliders.doubleClickKnob(*role);
}
void Application::wheelOnSlider(int index, int steps) {
  if (const auto role = SliderRoleOf(index)) m_sliders.wheelSlider(*role, steps);
}

void Application::playlistDoubleClicked(int row) {
  m_commands.execute(Command::PlayEntry, row + 1);
}

void Application::playlistDeletePressed() {
  m_commands.execute(Command::RemoveSelected);
}
void Application::coverDoubleClicked() {
  m_cover.selectCover();
}
void Application::filesDropped(const QStringList& paths) {
  m_adder.addDropped(paths);
}
void Application::popupRequested(QPoint globalPos) {
  showPopup(globalPos);
}
void Application::closeRequested() {
  requestQuit();
}
void Application::windowMoved() {
  stateChanged();
}
void Application::activated() {
  // While the preferences dialog is open the window stays off the top layer.
  if (!m_preferences.isVisible()) applyOnTop();
}

// --- what the preferences dialog changes ------------------------------------

void Application::setWindowOnTop(bool onTop) {
  m_window->setOnTop(onTop);
}

void Application::settingsChanged() {
  applyDisplaySettings();
  m_window->redrawDisplays();
  m_alarm.settingsChanged();
  stateChanged();
}

void Application::setSleepMinutes(int minutes) {
  m_alarm.setSleepMinutes(minutes);
}

QStringList Application::onOffList() const {
  return m_alarm.onOffList();
}

void Application::setOnOffList(const QStringList& entries) {
  m_alarm.setOnOffList(entries);
  stateChanged();
}

QString Application::skinInfo() const {
  return m_window->skinInfo();
}

}  // namespace kd
