#pragma once
// The player's transport, tick, levels, modes and slider actions wired to a
// scripted engine and a temporary folder of media files; the skin presenter
// shows the model on a recording view.

#include <gtest/gtest.h>

#include <QHash>
#include <QList>
#include <QStringList>

#include "FakeMediaEngine.h"
#include "RecordingView.h"
#include "core/Launcher.h"
#include "core/Settings.h"
#include "mediainfo/CoverHooks.h"
#include "playback/ModeCommands.h"
#include "playback/OutputDevice.h"
#include "playback/PlayerModel.h"
#include "playback/PositionTick.h"
#include "playback/PositionTimer.h"
#include "playback/SliderActions.h"
#include "playback/Transport.h"
#include "playback/VolumeControl.h"
#include "playlist/Playlist.h"
#include "skin/SkinPresenter.h"
#include "support/TempDir.h"

namespace kd::test {

class RecordingCovers : public CoverHooks {
 public:
  void loadCover(const QString& path) override { calls.append("cover " + path); }
  void loadTagCover(const QString& dir, const QString& artist, const QString& album) override {
    calls.append("tag " + dir + "|" + artist + "|" + album);
  }
  void loadTrackCover(const TrackCoverQuery& query) override {
    CoverHooks::loadTrackCover(query);
    if (!query.embeddedPicture.isEmpty()) calls.append("embedded " + query.embeddedPicture);
  }
  QStringList calls;
};

class FakeLauncher : public Launcher {
 public:
  QString findProgram(const QString& name) const override { return installed.value(name); }
  bool startProgram(const QString& program, const QStringList& arguments) override {
    started.append(program + (arguments.isEmpty() ? QString() : " " + arguments.join(' ')));
    return true;
  }
  bool openUrl(const QUrl&) override { return false; }
  QHash<QString, QString> installed;
  QStringList started;
};

class PlayerTest : public ::testing::Test {
 protected:
  // Writes a small file into the temporary folder and appends it as an entry
  // named `name`; returns its path.
  QString addFile(const QString& fileName, const QString& name, const QByteArray& bytes = "RIFF") {
    const QString path = dir.write(fileName, bytes);
    playlist.append({name, path});
    return path;
  }
  // Three files "Alpha", "Beta", "Gamma" of 60 s each.
  void addThree() {
    addFile("a.wav", "Alpha");
    addFile("b.wav", "Beta");
    addFile("c.wav", "Gamma");
  }
  void play(int entry) {
    playlist.setCurrentEntry(entry);
    transport.play();
  }
  // Sets the position the engine reports and runs one tick.
  void tickAt(double seconds) {
    ASSERT_NE(engine.current, nullptr);
    engine.current->setPosition(seconds);
    tick.tick();
  }
  // Ticks every 25 ms of the fake clock for `seconds`.
  void runFor(double seconds) {
    for (int i = 0; i < static_cast<int>(seconds / 0.025 + 0.5); ++i) {
      clock.now += 0.025;
      tick.tick();
    }
  }
  QString renderedPath() const {
    const QStringList renders = engine.log.filter(QStringLiteral("render "));
    return renders.isEmpty() ? QString() : renders.last().mid(7);
  }

  TempDir dir;
  FakeClock clock;
  FakeMediaEngine engine{&clock};
  Playlist playlist;
  PlayerModel model;
  RecordingView view;
  SkinPresenter presenter{model, playlist, view};
  Settings settings;
  RecordingSink messages;
  RecordingCovers covers;
  PositionTimer timer{[this] { return clock.now; }};
  Transport transport{model, playlist, engine, timer, messages, covers, settings};
  QList<int> randomPicks;  // answers of the random source, in order (1 when empty)
  QList<int> randomAsked;  // the n of every question
  PositionTick tick{transport, timer, [this](int n) {
                      randomAsked.append(n);
                      return randomPicks.isEmpty() ? 1 : randomPicks.takeFirst();
                    }};
  OutputDevice device;
  FakeLauncher launcher;
  VolumeControl volume{model, device, launcher};
  SliderActions sliders{model, transport, volume, timer};
  ModeCommands modes{model};
};

}  // namespace kd::test
