#include "playlist/PlaylistDialogs.h"

#include <QFileInfo>

#include "core/Dialogs.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "playlist/FolderScanner.h"
#include "playlist/FriendlyName.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "playlist/PlaylistWriter.h"
#include "util/Paths.h"

namespace kd {

PlaylistDialogs::PlaylistDialogs(AddContext context)
    : m_playlist(context.playlist),
      m_settings(context.settings),
      m_store(context.store),
      m_scanner(context.scanner),
      m_dialogs(context.dialogs),
      m_play(std::move(context.play)) {}

FileDialogRequest PlaylistDialogs::request(const char* title, const char* filter) const {
  FileDialogRequest request;
  request.title = QString::fromUtf8(title);
  request.filter = QString::fromUtf8(filter);
  request.filterIndex = 1;
  request.initialFolder = m_settings.Path;
  return request;
}

void PlaylistDialogs::loadPlaylist() {
  const QString file = m_dialogs.openFile(request(kLoadTitle, kLoadFilter)).path;
  if (file.isEmpty()) return;
  WritePathSetting(m_store, m_settings, GetDirPart(file));

  const bool clearFirst = m_settings.ClearPLFirst == 1;
  const bool autoPlay = m_settings.AutoPlay == 1;
  const PlaylistReadOptions options{m_settings.friendlyNamesOn(), m_settings.legacyCodepage()};
  m_scanner.then([this, file, clearFirst, autoPlay, options] {
    if (clearFirst) m_playlist.clear();
    PlRead(m_playlist, file, options);
    if (autoPlay) {
      m_playlist.setCurrentEntry(1);
      m_play();
    }
  });
}

QString PlaylistDialogs::saveTarget(const QString& typed) {
  if (typed.endsWith(QLatin1String(".pls"), Qt::CaseInsensitive) ||
      typed.endsWith(QLatin1String(".m3u"), Qt::CaseInsensitive)) {
    return typed;
  }
  return typed + QLatin1String(".m3u");
}

QString PlaylistDialogs::replaceQuestion(const QString& file) {
  return QStringLiteral("%1 已存在。\n要替换它吗？").arg(file);
}

void PlaylistDialogs::savePlaylist() {
  const QString typed = m_dialogs.saveFile(request(kSaveTitle, kSaveFilter)).path;
  if (typed.isEmpty()) return;
  WritePathSetting(m_store, m_settings, GetDirPart(typed));

  const QString file = saveTarget(typed);
  // The dialog asked about the name as typed; a file under the completed
  // name is replaced only when the user agrees.
  if (file != typed && QFileInfo::exists(file) && !m_dialogs.confirm(replaceQuestion(file))) {
    return;
  }
  if (WritePL(m_playlist, file, &m_dialogs)) {
    m_playlist.setTitle(FriendlyName(file, m_settings.friendlyNamesOn()));
  }
}

}  // namespace kd
