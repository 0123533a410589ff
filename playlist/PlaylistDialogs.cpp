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

PlaylistDialogs::PlaylistDialogs(AddContext context) : m_context(std::move(context)) {}

FileDialogRequest PlaylistDialogs::request(const char* title, const char* filter) const {
  FileDialogRequest request;
  request.title = QString::fromUtf8(title);
  request.filter = QString::fromUtf8(filter);
  request.filterIndex = 1;
  request.initialFolder = m_context.settings.Path;
  return request;
}

void PlaylistDialogs::loadPlaylist() {
  const QString file = m_context.dialogs.openFile(request(kLoadTitle, kLoadFilter)).path;
  if (file.isEmpty()) return;
  WritePathSetting(m_context.store, m_context.settings, GetDirPart(file));

  const bool clearFirst = m_context.settings.ClearPLFirst == 1;
  const bool autoPlay = m_context.settings.AutoPlay == 1;
  const PlaylistReadOptions options{m_context.settings.friendlyNamesOn(),
                                    m_context.settings.legacyCodepage()};
  m_context.scanner.then([this, file, clearFirst, autoPlay, options] {
    if (clearFirst) m_context.playlist.clear();
    PlRead(m_context.playlist, file, options);
    if (autoPlay) {
      m_context.playlist.setCurrentEntry(1);
      m_context.play();
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
  const QString typed = m_context.dialogs.saveFile(request(kSaveTitle, kSaveFilter)).path;
  if (typed.isEmpty()) return;
  WritePathSetting(m_context.store, m_context.settings, GetDirPart(typed));

  const QString file = saveTarget(typed);
  // The dialog asked about the name as typed; a file under the completed
  // name is replaced only when the user agrees.
  if (file != typed && QFileInfo::exists(file) &&
      !m_context.dialogs.confirm(replaceQuestion(file))) {
    return;
  }
  if (WritePL(m_context.playlist, file, &m_context.dialogs)) {
    m_context.playlist.setTitle(FriendlyName(file, m_context.settings.friendlyNamesOn()));
  }
}

}  // namespace kd
