#include "app/Application.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSessionManager>
#include <QTime>
#include <random>

#include "core/Commands.h"
#include "core/WindowPlacement.h"
#include "mediainfo/widgets/CoverWindow.h"
#include "mediainfo/widgets/CoverWindowHost.h"
#include "ui/PopupMenu.h"
#include "util/AppPaths.h"

namespace kd {

namespace {

// The random advance is seeded from the time of day, as a player's users
// expect a new order each run.
RandomSource TimeOfDayRandomSource() {
  auto generator = std::make_shared<std::mt19937>(QTime::currentTime().msecsSinceStartOfDay());
  return [generator](int n) {
    if (n < 1) return 1;
    return std::uniform_int_distribution<int>(1, n)(*generator);
  };
}

}  // namespace

Application::Application(QString commandLine)
    : m_commandLine(std::move(commandLine)), m_window(std::make_unique<SkinWindow>()) {
  m_window->setWindowTitle(QStringLiteral("kavorodeck"));
  m_dialogs.setOwner(m_window.get());
  m_coverHost = std::make_unique<CoverWindowHost>([this] { return m_cover.LastCover(); });
  m_transport = std::make_unique<Transport>(m_state, m_playlist, *m_window, m_engine, m_timer,
                                            m_dialogs, m_cover, m_settings);
  m_tick =
      std::make_unique<PositionTick>(*m_transport, *m_window, m_timer, TimeOfDayRandomSource());
  m_volume = std::make_unique<VolumeControl>(m_state, *m_window, m_device, m_launcher);
  m_sliders = std::make_unique<SliderActions>(m_state, *m_window, *m_transport, *m_volume, m_timer);
  m_modes = std::make_unique<ModeCommands>(m_state, *m_window);
  m_scanner = std::make_unique<FolderScanner>(m_playlist);
  m_adder = std::make_unique<MediaAdder>(m_playlist, m_settings, m_store, *m_scanner);
  m_playlistDialogs =
      std::make_unique<PlaylistDialogs>(m_playlist, m_settings, m_store, *m_scanner);
  m_skin = std::make_unique<SkinController>(*m_window, m_settings, m_dialogs);
  wire();
}

Application::~Application() {
  // Queued scan work refers to the adder and the playlist: end it first.
  if (m_scanner) m_scanner->cancel();
  m_scanner.reset();
}

void Application::wire() {
  m_window->setHandler(this);
  m_window->setPlaylist(&m_playlist);
  m_window->setPaintValues([this] {
    return SkinWindow::PaintValues{m_state.TimeDisp, m_playlist.TNum(), m_state.SongName};
  });

  m_cover.setSkinSink(m_window.get());
  m_cover.setWindowSink(m_coverHost.get());
  m_cover.setPlaylistCover([this] { return m_playlist.PLCover(); });
  m_cover.setDialogs(&m_dialogs);
  connect(&m_playlist, &Playlist::cleared, this, [this] { m_cover.PlaylistCleared(); });
  connect(&m_playlist, &Playlist::countChanged, this,
          [this](int count) { m_window->SetLabel(kLabelEntryCount, QString::number(count)); });
  connect(&m_playlist, &Playlist::titleChanged, this,
          [this](const QString& title) { m_window->SetLabel(kLabelPlaylistTitle, title); });

  const auto play = [this] { m_transport->PlayIt(); };
  m_adder->setDialogs(&m_dialogs);
  m_adder->setPlayCallback(play);
  m_playlistDialogs->setDialogs(&m_dialogs);
  m_playlistDialogs->setPlayCallback(play);

  m_skin->setHooks({[this] { m_timer.stop(); }, [this] { startTimerWhenActive(); },
                    SkinController::ImportDialogOf(m_dialogs)});

  connect(&m_quitSignals, &QuitSignals::quitRequested, this, [this] { requestQuit(); });
  // The session's end, or anything else that ends the event loop.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { requestQuit(); });
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { shutDown(); });
}

void Application::requestQuit() {
  if (m_quitRequested) return;
  m_quitRequested = true;
  // A quit during a folder scan is carried out when the scan ends.
  m_adder->whenIdle([this] {
    shutDown();
    QCoreApplication::quit();
  });
}

void Application::LoadSkin(const QString& name, bool importFlag) {
  m_skin->LoadSkin(name, importFlag);
}

void Application::SelectSkin() {
  FileDialogRequest request;
  request.title = QString::fromUtf8("选择界面文件");
  request.filter = QString::fromUtf8("界面文件 (*.skin)|*.skin");
  request.filterIndex = 1;
  request.initialFolder = m_settings.SkinPath.isEmpty() ? ProgramFolder() : m_settings.SkinPath;
  const FileDialogResult chosen = m_dialogs.OpenFile(request);
  if (chosen.cancelled()) return;
  LoadSkin(chosen.path, false);
}

void Application::Hide() {
  // Without a tray icon a hidden window could not be brought back: minimise.
  m_window->showMinimized();
}

void Application::showPopup(QPoint globalPos) {
  if (!m_popup) {
    m_popup = CreatePopupMenu(m_window.get(), [this](int code) { DoIt(code, m_commands); });
  }
  m_popup->popup(globalPos);
}

// The position tick does nothing while no item is loaded, so the timer is not
// left running then: a stopped player wakes up nobody.
void Application::startTimerWhenActive() {
  if (m_transport->hasEngineItem() || m_transport->hasPictureItem()) m_timer.start();
}

void Application::applyOnTop() {
  m_window->setOnTop(m_settings.WinOnTop != 0);
}

int Application::twipsPerPixel() const {
  const QScreen* screen = m_window->screen();
  return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

// --- what the window reports ------------------------------------------------

void Application::ButtonUp(int index) {
  DoIt(index, m_commands);
}

void Application::KeyTyped(QChar character) {
  const int code = CommandForKey(character, m_window->KeyMap());
  if (code > 0) DoIt(code, m_commands);
}

void Application::LabelClicked(int index) {
  if (index == kLabelTime) m_modes->ToggleTimeFlag();
  if (index == kLabelTitle) m_commands.ShowInfo();
}

void Application::PressKnob(int index, bool horizontal) {
  m_sliders->PressKnob(index, horizontal);
}
void Application::MoveKnob(int index, float value) {
  m_sliders->MoveKnob(index, value);
}
void Application::ReleaseKnob(int index) {
  m_sliders->ReleaseKnob(index);
}
void Application::DoubleClickKnob(int index) {
  m_sliders->DoubleClickKnob(index);
}

void Application::PlaylistDoubleClicked(int row) {
  m_adder->whenIdle([this, row] {
    if (row < 0 || row >= m_playlist.count()) return;
    m_playlist.setTNum(row + 1);
    m_transport->PlayIt();
  });
}

void Application::PlaylistDeletePressed() {
  m_commands.PlRemoveSelected();
}
void Application::CoverDoubleClicked() {
  m_cover.SelectCover();
}
void Application::FilesDropped(const QStringList& paths) {
  m_adder->AddDropped(paths);
}
void Application::PopupRequested(QPoint globalPos) {
  showPopup(globalPos);
}
void Application::CloseRequested() {
  requestQuit();
}
void Application::Activated() {
  applyOnTop();
}

}  // namespace kd
