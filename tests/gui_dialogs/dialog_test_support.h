// A tester on the simulated board for the dialog tests: a working directory
// of its own, message boxes answered from the presenter's script, file
// dialogs answered from a script, and helpers that act like the operator.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QString>
#include <QTemporaryDir>

#include "support/scripted_file_chooser.h"
#include "support/tester_rig.h"

class QLineEdit;
class QWidget;

namespace vn::dialog_test {

class DialogRig {
 public:
  DialogRig();

  Tester& tester() { return rig_->tester; }
  test::TesterRig& rig() { return *rig_; }
  test::RecordingPresenter& presenter() { return rig_->presenter; }
  MainWindowState& state() { return rig_->tester.state(); }
  bool Logged(const std::string& line) const { return rig_->tester.log().Contains(line); }
  // A path inside the working directory.
  std::string Path(const std::string& relative) const;
  std::string AppDirectory() const { return dir_.path().toStdString(); }
  // Writes a file, creating nothing else.
  static bool Put(const std::string& path, const std::string& bytes);

  test::ScriptedFileChooser files;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<test::TesterRig> rig_;
};

// Replaces the edit's text keystroke by keystroke, as the operator types it.
void TypeInto(QLineEdit* edit, const QString& text);

// The window's close command (the close box).
void CloseWindow(QWidget* window);

// Processes events until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

}  // namespace vn::dialog_test
