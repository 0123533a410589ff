#pragma once
// The program's dialogs as Qt dialogs, owned by the main window.

#include <QPointer>
#include <QWidget>

#include "core/Dialogs.h"

namespace kd {

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner = nullptr) : m_owner(owner) {}
  void setOwner(QWidget* owner) { m_owner = owner; }

  void showMessage(const QString& text) override;
  FileDialogResult openFile(const FileDialogRequest& request) override;
  FileDialogResult saveFile(const FileDialogRequest& request) override;
  QString browseFolder(const QString& prompt) override;
  bool confirm(const QString& question) override;

 private:
  FileDialogResult runFileDialog(const FileDialogRequest& request, bool save);

  QPointer<QWidget> m_owner;
};

}  // namespace kd
