#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/DialogFilters.h"
#include "util/Paths.h"

namespace kd {

namespace {
const QString kCaption = QStringLiteral("kavorodeck");
}

void QtDialogs::showMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kCaption, text, QMessageBox::Ok, m_owner);
  box.exec();
}

bool QtDialogs::confirm(const QString& question) {
  return QMessageBox::question(m_owner, kCaption, question, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

FileDialogResult QtDialogs::openFile(const FileDialogRequest& request) {
  return runFileDialog(request, false);
}

FileDialogResult QtDialogs::saveFile(const FileDialogRequest& request) {
  return runFileDialog(request, true);
}

FileDialogResult QtDialogs::runFileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(m_owner, request.title, request.initialFolder);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save                   ? QFileDialog::AnyFile
                     : request.severalFiles ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
  // No default suffix is set: the name is used exactly as typed.
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  const int index = request.filterIndex - 1;
  if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.paths = dialog.selectedFiles();
  result.path = result.paths.constFirst();
  result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (result.filterIndex < 1) result.filterIndex = request.filterIndex;
  return result;
}

QString QtDialogs::browseFolder(const QString& prompt) {
  const QString folder = QFileDialog::getExistingDirectory(m_owner, prompt);
  return WithTrailingSeparator(folder);
}

}  // namespace kd
