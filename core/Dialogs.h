#pragma once
// The program's file and folder dialogs and its message boxes, as the logic
// sees them. The UI implements them with Qt dialogs; tests script the answers.

#include <QString>
#include <QStringList>
#include <cstdio>

#include "util/MessageSink.h"

namespace kd {

struct FileDialogRequest {
  QString title;
  // Pairs "description|pattern[;pattern...]" joined by "|", e.g.
  // "MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS". Patterns match
  // names without regard to case.
  QString filter;
  int filterIndex = 1;  // 1-based
  QString initialFolder;
  QString fileName;
  // An open dialog that lets the user choose several files at once.
  bool severalFiles = false;
};

struct FileDialogResult {
  QString path;  // "" when cancelled; the first file of several
  int filterIndex = 1;
  // Every file chosen, in the order chosen (a dialog for several files).
  QStringList paths;
  bool cancelled() const { return path.isEmpty(); }
};

class Dialogs : public MessageSink {
 public:
  virtual FileDialogResult openFile(const FileDialogRequest& request) = 0;
  // Asks before replacing an existing file; a refusal is a cancel.
  virtual FileDialogResult saveFile(const FileDialogRequest& request) = 0;
  // The chosen folder with a trailing "/", or "" when cancelled.
  virtual QString browseFolder(const QString& prompt) = 0;
  // A yes/no question; true for yes.
  virtual bool confirm(const QString& question) = 0;
};

// Where nobody can answer (while the program ends, in tools and benchmarks):
// every dialog is cancelled, every question answered no, and messages go to
// the standard error stream.
class CancellingDialogs : public Dialogs {
 public:
  FileDialogResult openFile(const FileDialogRequest&) override { return {}; }
  FileDialogResult saveFile(const FileDialogRequest&) override { return {}; }
  QString browseFolder(const QString&) override { return {}; }
  bool confirm(const QString&) override { return false; }
  void showMessage(const QString& text) override {
    std::fprintf(stderr, "kavorodeck: %s\n", text.toLocal8Bit().constData());
  }
};

}  // namespace kd
