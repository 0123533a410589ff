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

  void ShowMessage(const QString& text) override;
  FileDialogResult OpenFile(const FileDialogRequest& request) override;
  FileDialogResult SaveFile(const FileDialogRequest& request) override;
  QString BrowseFolder(const QString& prompt) override;
  bool Confirm(const QString& question) override;

 private:
  FileDialogResult runFileDialog(const FileDialogRequest& request, bool save);

  QPointer<QWidget> m_owner;
};

}  // namespace kd
