// The shut-down sequence: run once, whatever ended the program, and every
// step runs even when an earlier one failed. Autosave writes the same files
// the same way while the program runs.
#include <QDir>
#include <QTextStream>
#include <functional>

#include "app/Application.h"
#include "core/SettingsTable.h"
#include "playlist/PlaylistWriter.h"
#include "util/AppPaths.h"

namespace kd {

namespace {

// Quiet while the same file's last save failed too: each failing file is told
// once, and again only after one of its saves went through.
class OnceSink : public MessageSink {
 public:
  explicit OnceSink(bool quiet) : m_quiet(quiet) {}
  void showMessage(const QString& text) override {
    if (!m_quiet) CancellingDialogs().showMessage(text);
  }

 private:
  bool m_quiet;
};

// Runs one file's save with a sink that stays quiet while it keeps failing.
void AutosaveFile(bool& failing, const std::function<bool(MessageSink&)>& write) {
  OnceSink sink(failing);
  failing = !write(sink);
}

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
  AutosaveFile(m_autosaveFailing.settings, [this](MessageSink& s) { return writeSettings(s); });
  AutosaveFile(m_autosaveFailing.onOffList, [this](MessageSink& s) { return writeOnOffList(s); });
  AutosaveFile(m_autosaveFailing.playlist, [this](MessageSink& s) { return writeLastPlaylist(s); });
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
  const QString file = DataFolder() + QStringLiteral("playlist.m3u");
  // The playlist dialog's message names no file: the user just chose it.
  // Here the user chose nothing, so the message says which file it is.
  if (!WritePL(m_playlist, file, nullptr)) {
    sink.showMessage(QStringLiteral("cannot write the playlist file ") + file);
    return false;
  }
  return true;
}

}  // namespace kd
