#pragma once
// What the ways of adding and loading media work with: the playlist, the
// settings and their file (the Path setting is written at once), the folder
// scanner every change of the playlist queues behind, the dialogs, and how
// to start playing the current entry.

#include <functional>

namespace kd {

class Dialogs;
class FolderScanner;
class IniStore;
class Playlist;
struct Settings;

struct AddContext {
  Playlist& playlist;
  Settings& settings;
  IniStore& store;
  FolderScanner& scanner;
  Dialogs& dialogs;
  std::function<void()> play;
};

}  // namespace kd
