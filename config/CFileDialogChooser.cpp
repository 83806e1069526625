#include "config/CFileDialogChooser.h"

#include <QFileDialog>

namespace vn {

QStringList NameFilters(const std::string& filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    const QString description = QString::fromStdString(entry.description);
    const QString pattern = QString::fromStdString(entry.pattern);
    // The dialog takes the patterns from the parentheses of the description.
    filters << (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                    ? description
                    : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return filters;
}

std::optional<std::string> CFileDialogChooser::ChooseFileToOpen(const FileDialogRequest& request) {
  return Choose(request, false);
}

std::optional<std::string> CFileDialogChooser::ChooseFileToSave(const FileDialogRequest& request) {
  return Choose(request, true);
}

std::optional<std::string> CFileDialogChooser::Choose(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setNameFilters(NameFilters(request.filter));
  const QString folder = QString::fromStdString(FolderOfPath(request.initialPath));
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  dialog.selectFile(QString::fromStdString(FileNameOfPath(request.initialPath)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace vn
