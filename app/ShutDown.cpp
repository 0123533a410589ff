// The shut-down sequence: run once, whatever ended the program, and every
// step runs even when an earlier one failed.
#include <QDir>
#include <QTextStream>

#include "app/Application.h"
#include "core/SettingsTable.h"
#include "playlist/PlaylistWriter.h"
#include "util/AppPaths.h"

namespace kd {

void Application::shutDown() {
  if (m_shutDownDone) return;
  m_shutDownDone = true;
  // Off the bus first: a start from now on runs on its own instead of
  // handing its files to a player that is ending.
  m_remote.reset();
  m_scanner.cancel();
  m_transport.releaseEngineItem();
  m_timer.stop();
  m_preferences.close();
  writeSettings();
  writeOnOffList();
  writeLastPlaylist();
  if (m_popup) m_popup->close();
  if (m_tray) m_tray->hide();
  m_window->closeForShutdown();
}

void Application::writeSettings() {
  // The file is read again so that what other tools wrote meanwhile survives.
  IniStore store = IniStore::load(SettingsFilePath());
  if (store.readFailed()) store = m_store;
  WriteShutdownSettings(store, m_settings);
  if (m_settings.WinSavePos == 1) {
    const int twips = twipsPerPixel();
    WriteWindowPosition(store, m_window->x() * twips, m_window->y() * twips);
  }
  WriteLastRun(store, m_cover.lastCover(), static_cast<int16_t>(m_playlist.currentEntry()));
  if (!store.save()) {
    CancellingDialogs().showMessage(QStringLiteral("cannot write the settings file ") +
                                    SettingsFilePath());
  }
}

void Application::writeOnOffList() {
  if (m_onOffListUnreadable && m_alarm.onOffList().isEmpty()) return;
  QDir().mkpath(DataFolder());
  if (!SaveOnOffList(DataFolder() + kOnOffListName, m_alarm.onOffList())) {
    CancellingDialogs().showMessage(QStringLiteral("cannot write the on/off list ") + DataFolder() +
                                    kOnOffListName);
  }
}

void Application::writeLastPlaylist() {
  // While the program ends no message box can wait for an answer.
  CancellingDialogs sink;
  QDir().mkpath(DataFolder());
  WritePL(m_playlist, DataFolder() + QStringLiteral("playlist.m3u"), &sink);
}

}  // namespace kd
