#include "ui/PreferencesDialogHost.h"

#include "ui/PreferencesDialog.h"
#include "ui/PreferencesEditor.h"

namespace kd {

PreferencesDialogHost::~PreferencesDialogHost() {
  delete m_dialog.data();
}

bool PreferencesDialogHost::isVisible() const {
  return m_dialog && m_dialog->isVisible();
}

void PreferencesDialogHost::show(QWidget* owner) {
  if (m_dialog) {
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return;
  }
  m_editor.opened();
  m_dialog = new PreferencesDialog(m_editor, owner);
  m_dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(m_dialog, &QDialog::finished, m_dialog, [this] { m_editor.closed(); });
  m_dialog->show();
  m_dialog->raise();
  m_dialog->activateWindow();
}

void PreferencesDialogHost::close() {
  if (m_dialog) m_dialog->close();
}

}  // namespace kd
