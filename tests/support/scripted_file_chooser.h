// A file chooser that answers the file dialogs from a script and records
// what each dialog was opened with.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"

namespace vn::test {

class ScriptedFileChooser : public FileChooser {
 public:
  struct Request {
    bool save = false;
    FileDialogRequest dialog;
  };

  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override {
    return Answer(false, request);
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override {
    return Answer(true, request);
  }

  // Answered in order; a cancelled dialog when the script has run out.
  std::deque<std::optional<std::string>> answers;
  std::vector<Request> requests;

 private:
  std::optional<std::string> Answer(bool save, const FileDialogRequest& request) {
    requests.push_back({save, request});
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace vn::test
