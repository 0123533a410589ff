#pragma once
// A fake of the program's dialogs for tests.

#include <QList>
#include <QStringList>

#include "core/Dialogs.h"

namespace kd::test {

// Dialogs whose answers a test scripts in advance; every request is recorded.
class ScriptedDialogs : public Dialogs {
 public:
  // Answers to the file and folder dialogs, front first; none left answers as a cancel.
  QList<FileDialogResult> answers;
  QList<bool> confirmAnswers;
  // Every file dialog shown; a folder dialog is recorded with its prompt as the title.
  QList<FileDialogRequest> requests;
  QStringList questions;
  QStringList messages;

  void answer(const QString& path, int filterIndex = 1) {
    answers.append({path, filterIndex, QStringList()});
  }

  FileDialogResult openFile(const FileDialogRequest& request) override { return next(request); }
  FileDialogResult saveFile(const FileDialogRequest& request) override { return next(request); }
  QString browseFolder(const QString& prompt) override {
    FileDialogRequest request;
    request.title = prompt;
    return next(request).path;
  }
  bool confirm(const QString& question) override {
    questions.append(question);
    return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
  }
  void showMessage(const QString& text) override { messages.append(text); }

 private:
  FileDialogResult next(const FileDialogRequest& request) {
    requests.append(request);
    return answers.isEmpty() ? FileDialogResult{} : answers.takeFirst();
  }
};

}  // namespace kd::test
