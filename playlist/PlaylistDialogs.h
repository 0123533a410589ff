#pragma once
// Loading and saving the playlist through the file dialogs (commands 21 and
// 22). Both remember the folder used as the Path setting, written at once.
// A load queued behind a folder scan refers to this object, so it outlives
// the scanner.

#include <QString>
#include <functional>

#include "playlist/AddContext.h"

#include "core/Dialogs.h"

namespace kd {

class PlaylistDialogs {
 public:
  static constexpr const char* kLoadTitle = "载入播放列表";
  static constexpr const char* kLoadFilter = "MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS";
  static constexpr const char* kSaveTitle = "保存播放列表";
  static constexpr const char* kSaveFilter = "MP3 Playlists (*.M3U)|*.M3U";

  explicit PlaylistDialogs(AddContext context);

  // Asks for a playlist file and reads it into the playlist: cleared first
  // when ClearPLFirst is 1, played from entry 1 when AutoPlay is 1. Runs
  // after a folder scan in progress. Cancel changes nothing.
  void loadPlaylist();
  // Asks for a file name and writes the playlist there (see saveTarget); the
  // playlist's title becomes the file's friendly name. Cancel changes nothing.
  void savePlaylist();

  // The file a typed name is saved as: a name ending in ".pls" or ".m3u"
  // (any case) as typed, anything else with ".m3u" appended.
  static QString saveTarget(const QString& typed);
  // The question asked before an existing file is replaced.
  static QString replaceQuestion(const QString& file);

 private:
  // A dialog request with the given texts, filter 1 and the last folder used.
  FileDialogRequest request(const char* title, const char* filter) const;

  AddContext m_context;
};

}  // namespace kd
