// The start sequence of the player, in the order later steps rely on.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/Application.h"
#include "core/SettingsTable.h"
#include "playlist/PlaylistReader.h"
#include "util/AppPaths.h"
#include "util/Paths.h"

namespace kd {

namespace {
constexpr int kTrayFallbackMs = 1000;
}  // namespace

void Application::start() {
  readSettings();
  checkConfiguredSkin();
  initLevels();
  applyDisplaySettings();
  m_skin.setDoubleSize(m_settings.DoubleSize == 1);
  m_skin.loadStartSkin(m_settings.Skin);
  loadOnOffList();
  m_alarm.start();
  openStartItems();
  startTimerWhenActive();
  // Shown only now, at the skin's size and shape with its picture drawn: the
  // window maps once and its first frame is the finished one.
  m_window->show();
  // The tray icon follows the window's first paint, or comes after a while
  // when nothing paints (a display that never exposes the window).
  m_window->installEventFilter(this);
  QTimer::singleShot(kTrayFallbackMs, this, [this] { showTray(); });
  if (m_settings.AutoPlay == 1) m_commands.execute(Command::Play);
  m_started = true;
  armExitHook();
  // The command line's items replaced the last run's playlist.
  if (!m_startPaths.isEmpty()) stateChanged();
}

void Application::readSettings() {
  // A first run places the window near the middle of the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QPoint centre = screen->availableGeometry().center();
    m_window->move(std::max(0, centre.x() - 220), std::max(0, centre.y() - 240));
  }
  const int twips = twipsPerPixel();
  m_store = IniStore::load(SettingsFilePath());
  ReadSettings(m_store, m_settings, m_window->x() * twips, m_window->y() * twips);
  // The stored place is applied whatever WinSavePos says; it only decides
  // whether the shut-down stores a new one.
  m_window->move(m_settings.X / twips, m_settings.Y / twips);
}

void Application::checkConfiguredSkin() {
  if (!m_settings.Skin.isEmpty() && !FileExists(m_settings.Skin)) {
    m_dialogs.showMessage(QStringLiteral("Previously selected skin not found (") + m_settings.Skin +
                          QStringLiteral(")! Using default"));
    m_settings.Skin.clear();
  }
  if (m_settings.Skin.isEmpty()) {
    const QString found = FindProgramFile(QStringLiteral("default.skin"));
    m_settings.Skin = found.isEmpty() ? ProgramFolder() + QStringLiteral("default.skin") : found;
  }
}

// The output levels of the last run come back; the model starts from them,
// at normal speed.
void Application::initLevels() {
  m_model.setBalance(PlayerModel::kCentre);
  m_volume.restoreLevels(m_settings.OutputLevels);
  m_model.setVolume(m_volume.deviceVolume());
  m_model.setRate(PlayerModel::kNormalRate);
}

void Application::applyDisplaySettings() {
  m_window->setTimeFmt(m_settings.TimeFmt);
  m_window->setScrollName(m_settings.ScrollName);
  m_window->setWinSnap(m_settings.WinSnap);
}

void Application::loadOnOffList() {
  const LoadedOnOffList loaded =
      LoadOnOffList(DataFolder() + kOnOffListName, m_settings.legacyCodepage());
  m_onOffListUnreadable = loaded.result == FileReadResult::Unreadable;
  m_alarm.setOnOffList(loaded.entries);
}

void Application::openStartItems() {
  QStringList paths = m_startPaths;
  const QString skin = TakeSkinArchives(paths);
  if (!skin.isEmpty()) loadSkin(skin, false);
  if (!paths.isEmpty()) {
    for (const QString& path : paths) m_adder.addCommandLine(path);
    m_playlist.setCurrentEntry(1);
    return;
  }
  if (m_settings.StartMd == 1) {
    // Restoring the last run ignores every error on the way.
    const QString last = DataFolder() + QStringLiteral("playlist.m3u");
    if (FileExists(last)) {
      PlRead(m_playlist, last,
             PlaylistReadOptions{m_settings.friendlyNamesOn(), m_settings.legacyCodepage()});
      m_playlist.setCurrentEntry(ReadLastTrack(m_store));
    }
    const QString cover = ReadLastCover(m_store);
    if (!cover.isEmpty()) {
      m_cover.loadCover(cover);
      m_playlist.setCover(cover);
    }
  } else if (m_settings.StartMd == 2) {
    m_adder.addStartFile(m_settings.StartFile);
  }
}

}  // namespace kd
