#pragma once
// Every way of adding media ends here: the open-file dialog, the folder
// dialog, dropped files and folders, the command line and the start file.
// The item being added travels in addName, addPath and addTitle; addEntry
// appends a file, reads a playlist file or scans a folder. Everything that
// changes the playlist goes through the FolderScanner, so adds made while a
// folder is being scanned wait for it and keep their order. Work queued there
// refers to the adder and the playlist, so both outlive the scanner.

#include <QString>
#include <QStringList>
#include <functional>

#include "playlist/AddContext.h"

namespace kd {

class MediaAdder {
 public:
  static constexpr const char* kOpenTitle = "打开播放文件";
  static constexpr const char* kOpenFilter =
      "MPEG Audio Files|*.MP?"
      "|ActiveMovie Files|*.MP?;*.MPEG;*.DAT;*.WAV;*.AU;*.MID;*.RMI;*.AIF?;*.MOV;*.QT;*.AVI;"
      "*.M1V;*.RA;*.RAM;*.RM;*.RMM"
      "|Music Modules|*.MOD;*.MTM;*FAR;*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM"
      "|Bitmaps|*.BMP;*.GIF;*.JPG"
      "|Playlists|*.M3U;*.PLS"
      "|All Files|*.*";
  static constexpr const char* kFolderPrompt = "选择播放文件所在目录:";
  static constexpr const char* kCommandLineName = "Commandline";

  explicit MediaAdder(AddContext context);

  // The item addEntry adds: its file title ("" = nothing to add), its full
  // path, its display name.
  void setAddItem(const QString& name, const QString& path, const QString& title);
  const QString& addName() const { return m_addName; }
  const QString& addPath() const { return m_addPath; }
  const QString& addTitle() const { return m_addTitle; }

  // Adds the item: a folder is scanned with the ValidExt setting as it is
  // now; a path ending in ".m3u" or ".pls" (any case) is read as a playlist
  // and appended; anything else is one entry whatever its extension, even a
  // file that does not exist (playing it marks it not found), with
  // " (picture)" added to the title of a picture, and the current entry 1 when it was 0.
  // The entry count is published in every case.
  void addEntry();

  // The open-file dialog: fills the item, or leaves addName empty on cancel.
  // The filter chosen last is offered again for the rest of the run; the
  // chosen folder becomes the Path setting, written at once. With
  // `severalFiles` the user may choose more than one; every file chosen is
  // returned in the order chosen, and the item is the first.
  QStringList askMediaFile(bool severalFiles = false);
  // The folder dialog, then a scan of the chosen tree into the playlist.
  void addFromDir();

  // Command 13: the open-file dialog; then the playlist holds only the
  // chosen item and it plays. Cancel changes nothing.
  void openAndPlay();
  // The same with `path` (a file, folder, playlist or address) instead of
  // the dialog's choice.
  void openAndPlayPath(const QString& path);
  // Command 23: the open-file dialog (several files at once), then
  // addEntry for each file in the order chosen.
  void addFile();
  // Command 24.
  void addFolder() { addFromDir(); }

  // Files and folders dropped on the window, added in the order given.
  void addDropped(const QStringList& paths);

  // Start-up: the command-line argument (a relative path is taken from the
  // current folder), then the current entry 1.
  void addCommandLine(const QString& argument);
  // Start-up in start mode 2: the configured start file or folder.
  void addStartFile(const QString& startFile);

  // Runs `step` once the adds asked for so far are done (at once when none
  // is pending); start-up uses it to start playing after a folder scan.
  void whenIdle(std::function<void()> step);

 private:
  bool friendlyNames() const;
  // The playlist holds only the item being added, and it plays.
  void replaceAndPlay();

  AddContext m_context;
  QString m_addName;
  QString m_addPath;
  QString m_addTitle;
  int m_filterIndex = 1;  // remembered for the run
};

}  // namespace kd
