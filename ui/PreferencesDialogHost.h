#pragma once
// Brings the preferences dialog into being when the user asks for it and
// lets it go when it closes. Asking whether it is on screen never creates
// it. While it is open the main window is out of the always-on-top layer;
// closing it, however it closes, puts the window back as WinOnTop says.

#include <QPointer>

#include "ui/PreferencesDialog.h"

class QWidget;

namespace kd {

class PreferencesEditor;

class PreferencesDialogHost {
 public:
  explicit PreferencesDialogHost(PreferencesEditor& editor) : m_editor(editor) {}
  ~PreferencesDialogHost();
  PreferencesDialogHost(const PreferencesDialogHost&) = delete;
  PreferencesDialogHost& operator=(const PreferencesDialogHost&) = delete;

  // Opens the dialog, modal and centred on `owner`'s screen, unless it is
  // open already (then it only comes to the front).
  void show(QWidget* owner);
  // Whether the dialog is on screen.
  bool isVisible() const;
  // The dialog while it exists, else null.
  PreferencesDialog* dialog() const { return m_dialog; }
  // Closes it when open.
  void close();

 private:
  PreferencesEditor& m_editor;
  QPointer<PreferencesDialog> m_dialog;
};

}  // namespace kd
