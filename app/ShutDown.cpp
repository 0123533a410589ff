// The shut-down sequence: run once, whatever ended the program, and every
// step runs even when an earlier one failed. Autosave writes the same files
// the same way while the program runs.
#include <QDir>
#include <QTextStream>

#include "app/Application.h"
#include "core/SettingsTable.h"
#include "playlist/PlaylistWriter.h"
#include "util/AppPaths.h"

namespace kd {

namespace {

// Tells a message again only after a save went through in between.
class OnceSink : public MessageSink {
 public:
  explicit OnceSink(bool quiet) : m_quiet(quiet) {}
  void showMessage(const QString& text) override {
    if (!m_quiet) CancellingDialogs().showMessage(text);
  }

 private:
  bool m_quiet;
};

}  // namespace

void Application::shutDown() {
  if (m_shutDownDone) return;
  m_shutDownDone = true;
  m_autosave.stop();
  // Off the bus first: a start from now on runs on its own instead of
  // handing its files to a player that is ending.
  m_remote.reset();
  m_scanner.cancel();
  m_transport.releaseEngineItem();
  m_timer.stop();
  m_preferences.close();
  // While the program ends no message box can wait for an answer.
  CancellingDialogs sink;
  writeState(sink);
  if (m_popup) m_popup->close();
  if (m_tray) m_tray->hide();
  m_window->closeForShutdown();
}

void Application::shutDownAtExit() {
  if (m_shutDownDone) return;
  m_shutDownDone = true;
  m_autosave.stop();
  CancellingDialogs sink;
  writeState(sink);
}

bool Application::writeState(MessageSink& sink) {
  const bool settings = writeSettings(sink);
  const bool onOff = writeOnOffList(sink);
  const bool playlist = writeLastPlaylist(sink);
  return settings && onOff && playlist;
}

void Application::stateChanged() {
  if (m_started) m_autosave.changed();
}

void Application::autosave() {
  OnceSink sink(m_autosaveFailed);
  m_autosaveFailed = !writeState(sink);
}

bool Application::writeSettings(MessageSink& sink) {
  // The file is read again so that what other tools wrote meanwhile survives.
  IniStore store = IniStore::load(SettingsFilePath());
  if (store.readFailed()) store = m_store;
  m_settings.OutputLevels = m_volume.storedLevels();
  WriteShutdownSettings(store, m_settings);
  if (m_settings.WinSavePos == 1) {
    const int twips = twipsPerPixel();
    WriteWindowPosition(store, m_window->x() * twips, m_window->y() * twips);
  }
  WriteLastRun(store, m_cover.lastCover(), static_cast<int16_t>(m_playlist.currentEntry()));
  if (!store.save()) {
    sink.showMessage(QStringLiteral("cannot write the settings file ") + SettingsFilePath());
    return false;
  }
  return true;
}

bool Application::writeOnOffList(MessageSink& sink) {
  if (m_onOffListUnreadable && m_alarm.onOffList().isEmpty()) return true;
  QDir().mkpath(DataFolder());
  if (!SaveOnOffList(DataFolder() + kOnOffListName, m_alarm.onOffList())) {
    sink.showMessage(QStringLiteral("cannot write the on/off list ") + DataFolder() +
                     kOnOffListName);
    return false;
  }
  return true;
}

bool Application::writeLastPlaylist(MessageSink& sink) {
  QDir().mkpath(DataFolder());
  return WritePL(m_playlist, DataFolder() + QStringLiteral("playlist.m3u"), &sink);
}

}  // namespace kd
