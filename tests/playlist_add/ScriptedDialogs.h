#pragma once
// Dialogs whose answers a test scripts in advance; every request is recorded.

#include <QList>
#include <QString>
#include <QStringList>

#include "core/Dialogs.h"

namespace kd::test {

class ScriptedDialogs : public Dialogs {
 public:
  // Answers, used front first; an exhausted list answers as a cancel.
  QList<FileDialogResult> openAnswers;
  QList<FileDialogResult> saveAnswers;
  QStringList folderAnswers;
  QList<bool> confirmAnswers;

  QList<FileDialogRequest> openRequests;
  QList<FileDialogRequest> saveRequests;
  QStringList folderPrompts;
  QStringList questions;
  QStringList messages;

  void answerOpen(const QString& path, int filterIndex = 1) {
    openAnswers.append({path, filterIndex});
  }
  void answerSave(const QString& path) { saveAnswers.append({path, 1}); }

  FileDialogResult OpenFile(const FileDialogRequest& request) override {
    openRequests.append(request);
    return openAnswers.isEmpty() ? FileDialogResult{} : openAnswers.takeFirst();
  }
  FileDialogResult SaveFile(const FileDialogRequest& request) override {
    saveRequests.append(request);
    return saveAnswers.isEmpty() ? FileDialogResult{} : saveAnswers.takeFirst();
  }
  QString BrowseFolder(const QString& prompt) override {
    folderPrompts.append(prompt);
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
  }
  bool Confirm(const QString& question) override {
    questions.append(question);
    return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
  }
  void ShowMessage(const QString& text) override { messages.append(text); }
};

}  // namespace kd::test
