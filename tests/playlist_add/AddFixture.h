#pragma once
// A playlist with everything that adds to it: settings bound to a settings
// file in a temporary folder, scripted dialogs, and a record of plays.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include "core/Dialogs.h"
#include "core/IniStore.h"
#include "core/Settings.h"
#include "playlist/FolderScanner.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace kd::test {

inline QStringList Names(const Playlist& playlist) {
  QStringList out;
  for (const PlaylistEntry& e : playlist.entries()) out << e.name;
  return out;
}

inline QStringList Paths(const Playlist& playlist) {
  QStringList out;
  for (const PlaylistEntry& e : playlist.entries()) out << e.path;
  return out;
}

// Creates empty files below `dir`, folders included.
inline void Touch(const TempDir& dir, const QStringList& relativePaths) {
  for (const QString& p : relativePaths) dir.write(p, QByteArray());
}

class AddFixture : public ::testing::Test {
 protected:
  AddFixture() {
    QObject::connect(&scanner, &FolderScanner::finished, [this] { ++finishedSignals; });
  }

  // Runs the event loop until the scanner is idle; false if it never got there.
  bool waitIdle() {
    if (scanner.isBusy()) {
      QEventLoop loop;
      QObject::connect(&scanner, &FolderScanner::finished, &loop, &QEventLoop::quit);
      // Only a guard against a hanging test; the scans here take milliseconds.
      QTimer::singleShot(60000, &loop, &QEventLoop::quit);
      loop.exec();
    }
    return !scanner.isBusy();
  }
  // The Path value stored in the settings file now.
  QString storedPath() const {
    return IniStore::load(settingsFile).value(u"config", u"Path", QStringLiteral("<missing>"));
  }

  TempDir dir;
  QString settingsFile = dir.path() + QStringLiteral("config/kavorodeck.ini");
  IniStore store = IniStore::load(settingsFile);
  Settings settings;
  Playlist playlist;
  FolderScanner scanner{playlist};
  ScriptedDialogs dialogs;
  AddContext context{playlist, settings, store,
                     scanner,  dialogs,  [this] { plays.append(Paths(playlist)); }};
  MediaAdder adder{context};
  PlaylistDialogs listDialogs{context};
  // What the playlist held each time playing was started.
  QList<QStringList> plays;
  int finishedSignals = 0;
};

}  // namespace kd::test
