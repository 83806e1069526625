// The file dialogs of the settings, sample and burn dialogs, shown with the
// platform's file dialog over their owner.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/file_chooser.h"

class QWidget;

namespace vn {

class CFileDialogChooser : public FileChooser {
 public:
  explicit CFileDialogChooser(QWidget* owner = nullptr) : owner_(owner) {}

  void SetOwner(QWidget* owner) { owner_ = owner; }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  std::optional<std::string> Choose(const FileDialogRequest& request, bool save);

  QWidget* owner_;
};

// "文本文件(*.txt)|*.txt||" as the name filters of a file dialog.
QStringList NameFilters(const std::string& filter);

}  // namespace vn
