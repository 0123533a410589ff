#include "playlist/MediaAdder.h"

#include <QDir>
#include <QFileInfo>

#include "core/Dialogs.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "playlist/FolderScanner.h"
#include "playlist/FriendlyName.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "util/Paths.h"

namespace kd {

MediaAdder::MediaAdder(AddContext context) : m_context(std::move(context)) {}

bool MediaAdder::friendlyNames() const {
  return m_context.settings.friendlyNamesOn();
}

void MediaAdder::setAddItem(const QString& name, const QString& path, const QString& title) {
  m_addName = name;
  m_addPath = path;
  m_addTitle = title;
}

void MediaAdder::addEntry() {
  Playlist& playlist = m_context.playlist;
  if (m_addName.isEmpty()) return;
  // A folder is scanned whatever its name, even one called "x.m3u".
  if (QFileInfo(m_addPath).isDir()) {
    m_context.scanner.scan(m_addPath, m_context.settings.ValidExt, friendlyNames());
    return;
  }
  const QString ext = GetExtension(m_addPath).toUpper();
  if (ext == QLatin1String("PLS") || ext == QLatin1String("M3U")) {
    const PlaylistReadOptions options{friendlyNames(), m_context.settings.legacyCodepage()};
    m_context.scanner.then(
        [&playlist, file = m_addPath, options] { PlRead(playlist, file, options); });
    return;
  }
  if (IsPicture(m_addPath)) m_addTitle += QLatin1String(" (picture)");
  m_context.scanner.then([&playlist, entry = PlaylistEntry{m_addTitle, m_addPath}] {
    if (playlist.append(entry) && playlist.currentEntry() == 0) playlist.setCurrentEntry(1);
  });
}

QStringList MediaAdder::askMediaFile(bool severalFiles) {
  m_addName.clear();
  FileDialogRequest request;
  request.title = QString::fromUtf8(kOpenTitle);
  request.filter = QString::fromUtf8(kOpenFilter);
  request.filterIndex = m_filterIndex;
  request.initialFolder = m_context.settings.Path;
  request.severalFiles = severalFiles;
  const FileDialogResult result = m_context.dialogs.openFile(request);
  if (result.cancelled()) return {};
  m_filterIndex = result.filterIndex;
  m_addPath = result.path;
  m_addName = GetFileName(m_addPath);
  m_addTitle = FriendlyName(m_addName, friendlyNames());
  WritePathSetting(m_context.store, m_context.settings,
                   m_addPath.left(m_addPath.size() - m_addName.size()));
  return result.paths.isEmpty() ? QStringList{m_addPath} : result.paths;
}

void MediaAdder::addFromDir() {
  const QString folder = m_context.dialogs.browseFolder(QString::fromUtf8(kFolderPrompt));
  if (!folder.isEmpty())
    m_context.scanner.scan(folder, m_context.settings.ValidExt, friendlyNames());
}

void MediaAdder::openAndPlay() {
  askMediaFile();
  if (m_addName.isEmpty()) return;
  replaceAndPlay();
}

void MediaAdder::openAndPlayPath(const QString& path) {
  setAddItem(GetFileName(path), path, FriendlyName(path, friendlyNames()));
  replaceAndPlay();
}

void MediaAdder::replaceAndPlay() {
  Playlist& playlist = m_context.playlist;
  m_context.scanner.then([&playlist] { playlist.clear(); });
  addEntry();
  m_context.scanner.then([this] {
    m_context.playlist.setCurrentEntry(1);
    m_context.play();
  });
}

void MediaAdder::addFile() {
  const QStringList chosen = askMediaFile(true);
  for (const QString& path : chosen) {
    const QString name = GetFileName(path);
    setAddItem(name, path, FriendlyName(name, friendlyNames()));
    addEntry();
  }
}

void MediaAdder::addDropped(const QStringList& paths) {
  for (const QString& path : paths) {
    setAddItem(path, path, FriendlyName(path, friendlyNames()));
    addEntry();
  }
}

void MediaAdder::addCommandLine(const QString& argument) {
  QString path = argument;
  // The playlist outlives the current folder: a relative path would point
  // elsewhere once saved and read back at the next start.
  if (!path.isEmpty() && !IsStreamUrl(path) && QDir::isRelativePath(path)) {
    path = QFileInfo(path).absoluteFilePath();
  }
  setAddItem(QString::fromUtf8(kCommandLineName), path, FriendlyName(path, friendlyNames()));
  addEntry();
  Playlist& playlist = m_context.playlist;
  m_context.scanner.then([&playlist] { playlist.setCurrentEntry(1); });
}

void MediaAdder::addStartFile(const QString& startFile) {
  setAddItem(startFile, startFile, FriendlyName(startFile, friendlyNames()));
  addEntry();
}

void MediaAdder::whenIdle(std::function<void()> step) {
  m_context.scanner.then(std::move(step));
}

}  // namespace kd
