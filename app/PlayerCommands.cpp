#include "app/PlayerCommands.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>

#include "core/Launcher.h"
#include "core/WebLink.h"
#include "mediainfo/CoverArt.h"
#include "playback/ModeCommands.h"
#include "playback/PlayerModel.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDialogs.h"
#include "skin/classic/ClassicSkinLoader.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/SkinWindow.h"

namespace kd {

namespace {

int numberOf(const CommandArgument& argument, int otherwise) {
  const int* number = std::get_if<int>(&argument);
  return number ? *number : otherwise;
}

QString textOf(const CommandArgument& argument) {
  const QString* text = std::get_if<QString>(&argument);
  return text ? *text : QString();
}

}  // namespace

PlayerCommands::PlayerCommands(Parts parts, AppActions app)
    : m_parts(parts), m_app(std::move(app)) {
  addHandlers();
}

void PlayerCommands::on(Command command, Handler handler) {
  m_handlers.insert(static_cast<int>(command), std::move(handler));
}

void PlayerCommands::afterScan(std::function<void()> step) {
  m_parts.adder.whenIdle(std::move(step));
}

void PlayerCommands::execute(int code, const CommandArgument& argument) {
  if (code >= kFirstSkinLink && code <= kLastLinkCode) {
    runLink(code);
    return;
  }
  const auto handler = m_handlers.constFind(code);
  if (handler != m_handlers.constEnd()) (*handler)(argument);
}

void PlayerCommands::runLink(int code) {
  const QString link = m_parts.window.skinLink(code - 100);
  if (code < kFirstWebLink) {
    m_app.loadSkin(link);
  } else if (const auto url = WebLinkTarget(link)) {
    m_parts.launcher.openUrl(*url);
  }
}

QString TakeSkinArchives(QStringList& paths) {
  QString skin;
  paths.removeIf([&skin](const QString& path) {
    const bool archive = path.endsWith(QStringLiteral(".wsz"), Qt::CaseInsensitive) &&
                         classic::IsClassicSkinPath(path) && QFileInfo(path).isFile();
    if (archive) skin = path;
    return archive;
  });
  return skin;
}

void PlayerCommands::appendThenPlay(const QStringList& paths, std::function<bool()> play) {
  if (paths.isEmpty()) return;
  Playlist& playlist = m_parts.playlist;
  Transport& transport = m_parts.transport;
  // The first new entry's number is known once earlier adds are done.
  auto first = std::make_shared<int>(0);
  afterScan([&playlist, first] { *first = playlist.count() + 1; });
  m_parts.adder.addDropped(paths);
  afterScan([&playlist, &transport, first, play = std::move(play)] {
    // A full playlist took none of them.
    if (*first <= playlist.count() && play()) transport.playEntry(*first);
  });
}

void PlayerCommands::addHandlers() {
  Transport& transport = m_parts.transport;
  VolumeControl& volume = m_parts.volume;
  ModeCommands& modes = m_parts.modes;
  Playlist& playlist = m_parts.playlist;
  MediaAdder& adder = m_parts.adder;
  SkinWindow& window = m_parts.window;

  on(Command::Quit, [this](const auto&) { m_app.quit(); });
  on(Command::Hide, [this](const auto&) { m_app.hide(); });
  on(Command::ToggleHalf, [&window](const auto&) { window.toggleAlternateSize(); });
  on(Command::ToggleSmall, [&window](const auto&) { window.toggleSmall(); });
  on(Command::ShowPrefs, [this](const auto&) { m_app.showPreferences(); });
  on(Command::SelectSkin, [this](const auto&) { m_app.selectSkin(); });
  on(Command::VolumeDown, [&volume](const auto&) { volume.volumeDown(); });
  on(Command::VolumeUp, [&volume](const auto&) { volume.volumeUp(); });
  on(Command::ToggleMute, [&volume](const auto&) { volume.toggleMute(); });
  on(Command::Stop, [&transport](const auto&) { transport.stop(); });
  on(Command::Pause, [&transport](const auto&) { transport.togglePause(); });
  on(Command::Play,
     [this, &transport](const auto&) { afterScan([&transport] { transport.play(); }); });
  on(Command::OpenAndPlay, [&adder](const auto&) { adder.openAndPlay(); });
  on(Command::PreviousEntry,
     [this, &transport](const auto&) { afterScan([&transport] { transport.previous(); }); });
  on(Command::ShowInfo, [this](const auto&) { m_app.showTrackInfo(); });
  on(Command::NextEntry,
     [this, &transport](const auto&) { afterScan([&transport] { transport.next(); }); });
  on(Command::RemoveSelected,
     [this, &playlist](const auto&) { afterScan([&playlist] { playlist.removeSelected(); }); });
  on(Command::MoveDown,
     [this, &playlist](const auto&) { afterScan([&playlist] { playlist.moveSelected(1); }); });
  on(Command::MoveUp,
     [this, &playlist](const auto&) { afterScan([&playlist] { playlist.moveSelected(-1); }); });
  on(Command::ClearPlaylist,
     [this, &playlist](const auto&) { afterScan([&playlist] { playlist.clear(); }); });
  on(Command::LoadPlaylist, [this](const auto&) { m_parts.playlistDialogs.loadPlaylist(); });
  on(Command::SavePlaylist, [this](const auto&) { m_parts.playlistDialogs.savePlaylist(); });
  on(Command::AddFile, [&adder](const auto&) { adder.addFile(); });
  on(Command::AddFolder, [&adder](const auto&) { adder.addFolder(); });
  on(Command::ToggleIntro, [&modes](const auto&) { modes.toggleIntro(); });
  on(Command::ToggleStopAfterEach, [&modes](const auto&) { modes.toggleStopAfterEach(); });
  on(Command::ToggleRepeat, [&modes](const auto&) { modes.toggleRepeat(); });
  on(Command::ToggleShuffle, [&modes](const auto&) { modes.toggleShuffle(); });
  on(Command::ShowMixer, [&volume](const auto&) { volume.showMixer(); });
  on(Command::SetRepeatPoint, [&modes, &window](const auto&) {
    // A skin that shows a separate end button sets the two points apart.
    const ButtonZone* endButton = window.button(static_cast<int>(Command::SetRepeatEnd));
    modes.setRepeatPoint(endButton && endButton->isVisibleTo(&window));
  });
  on(Command::SetRepeatEnd, [&modes](const auto&) { modes.setRepeatEnd(); });
  on(Command::SkipBack, [&transport](const auto&) { transport.skipBack(); });
  on(Command::SkipForward, [&transport](const auto&) { transport.skipForward(); });
  on(Command::ToggleCoverWindow, [this](const auto&) { m_parts.cover.toggleCoverWindow(); });
  on(Command::ShowPlaylistBrowser, [this](const auto&) { m_app.showPlaylistBrowser(); });
  on(Command::PlayPause,
     [this, &transport](const auto&) { afterScan([&transport] { transport.playOrPause(); }); });

  on(Command::ToggleDoubleSize, [this](const auto&) {
    if (m_app.toggleDoubleSize) m_app.toggleDoubleSize();
  });

  on(Command::SeekTo, [&transport](const CommandArgument& argument) {
    if (const int* seconds = std::get_if<int>(&argument)) transport.seekTo(*seconds);
  });
  on(Command::SetVolume, [&volume](const CommandArgument& argument) {
    if (const int* percent = std::get_if<int>(&argument))
      volume.setVolume(static_cast<float>(std::clamp(*percent, 0, 100)) / 100.0f);
  });
  on(Command::PlayEntry, [this, &transport](const CommandArgument& argument) {
    const int number = numberOf(argument, 0);
    afterScan([&transport, number] { transport.playEntry(number); });
  });
  on(Command::OpenPath, [&adder](const CommandArgument& argument) {
    const QString path = textOf(argument);
    if (!path.isEmpty()) adder.openAndPlayPath(path);
  });
  on(Command::EnqueuePath, [&adder](const CommandArgument& argument) {
    const QString path = textOf(argument);
    if (!path.isEmpty()) adder.addDropped({path});
  });
  on(Command::AppendPaths, [this, &transport](const CommandArgument& argument) {
    if (const QStringList* given = std::get_if<QStringList>(&argument)) {
      QStringList paths = *given;
      const QString skin = TakeSkinArchives(paths);
      if (!skin.isEmpty()) m_app.loadSkin(skin);
      appendThenPlay(paths, [&transport] { return !transport.model().isActive(); });
    }
  });
  on(Command::AppendAndPlay, [this](const CommandArgument& argument) {
    const QString path = textOf(argument);
    if (!path.isEmpty()) appendThenPlay({path}, [] { return true; });
  });
  on(Command::SeekBy, [&transport](const CommandArgument& argument) {
    if (const int* milliseconds = std::get_if<int>(&argument))
      transport.seekToExact(transport.currentPosition() + *milliseconds / 1000.0);
  });
  on(Command::SeekToMilliseconds, [&transport](const CommandArgument& argument) {
    if (const int* milliseconds = std::get_if<int>(&argument))
      transport.seekToExact(*milliseconds / 1000.0);
  });
  on(Command::SetRate, [&transport](const CommandArgument& argument) {
    // The rate value 0..1 plays at value + 0.5 times normal speed.
    if (const int* perMille = std::get_if<int>(&argument))
      transport.setRate(static_cast<float>(std::clamp(*perMille, 500, 1500) - 500) / 1000.0f);
  });
  on(Command::Raise, [this](const auto&) { m_app.raise(); });
}

}  // namespace kd
