#pragma once
// A playlist with everything that adds to it: settings bound to a settings
// file in a temporary folder, scripted dialogs, and a count of plays.

#include <gtest/gtest.h>

#include <QStringList>

#include "ScriptedDialogs.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "playlist/FolderScanner.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDialogs.h"
#include "support/TempDir.h"

namespace kd::test {

QStringList Names(const Playlist& playlist);
QStringList Paths(const Playlist& playlist);
// Creates empty files below `dir`, folders included.
void Touch(const TempDir& dir, const QStringList& relativePaths);

class AddFixture : public ::testing::Test {
 protected:
  AddFixture();

  // Runs the event loop until the scanner is idle; false if it never got there.
  bool waitIdle();
  // The Path value stored in the settings file now.
  QString storedPath() const;

  TempDir dir;
  QString settingsFile;
  IniStore store;
  Settings settings;
  Playlist playlist;
  FolderScanner scanner{playlist};
  MediaAdder adder{playlist, settings, store, scanner};
  PlaylistDialogs listDialogs{playlist, settings, store, scanner};
  ScriptedDialogs dialogs;
  // What the playlist held each time playing was started.
  QList<QStringList> plays;
  int finishedSignals = 0;
};

}  // namespace kd::test
