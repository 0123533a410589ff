#pragma once
// The program's command executor: what each command code does, routed to
// the part that owns the action. Changes of the playlist and of what plays
// wait for a folder scan in progress, so they never interleave with its
// batches.

#include <QHash>
#include <functional>

#include "core/Commands.h"

namespace kd {

class CoverArt;
class Launcher;
class MediaAdder;
class ModeCommands;
class Playlist;
class PlaylistDialogs;
class SkinWindow;
class Transport;
class VolumeControl;

// Takes the classic skin archives (existing ".wsz" files) out of `paths`, which
// open as skins rather than as playlist entries; returns the last of them, or
// "" when there was none.
QString TakeSkinArchives(QStringList& paths);

class PlayerCommands final : public CommandExecutor {
 public:
  // The parts the commands act on.
  struct Parts {
    Transport& transport;
    VolumeControl& volume;
    ModeCommands& modes;
    Playlist& playlist;
    MediaAdder& adder;
    PlaylistDialogs& playlistDialogs;
    CoverArt& cover;
    SkinWindow& window;
    Launcher& launcher;
  };
  // What the application itself does.
  struct AppActions {
    std::function<void()> quit;
    std::function<void()> hide;
    std::function<void()> selectSkin;
    std::function<void()> showTrackInfo;
    std::function<void(const QString& skin)> loadSkin;
    std::function<void()> showPreferences;
    std::function<void()> showPlaylistBrowser;
    std::function<void()> toggleDoubleSize;
    std::function<void()> raise;
  };

  PlayerCommands(Parts parts, AppActions app);

  using CommandExecutor::execute;
  void execute(int code, const CommandArgument& argument = {}) override;

 private:
  using Handler = std::function<void(const CommandArgument&)>;
  void addHandlers();
  void on(Command command, Handler handler);
  // Runs `step` once the adds asked for so far are done.
  void afterScan(std::function<void()> step);
  void runLink(int code);
  // Appends `paths`; then entry `first` of them plays when `play` says so.
  void appendThenPlay(const QStringList& paths, std::function<bool()> play);

  Parts m_parts;
  AppActions m_app;
  QHash<int, Handler> m_handlers;
};

}  // namespace kd
