// The file dialogs the settings, sample and burn dialogs open: choose a file
// to read or a name to write, with a filter and an initial name. The Qt
// dialogs implement it with the platform's file dialog; the tests answer it
// from a script, so no test ever blocks on a real file dialog.
//
// Thread rule: every call is made on the user-interface thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vn {

// One entry of a filter: what the operator reads and the pattern it stands
// for, e.g. "文本文件(*.txt)" and "*.txt".
struct FileFilterEntry {
  std::string description;
  std::string pattern;

  friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

struct FileDialogRequest {
  // The filter as the dialogs name it: description "|" pattern pairs, closed
  // by "||", e.g. "文本文件(*.txt)|*.txt||".
  std::string filter;
  // The folder and the name the dialog opens with; the name may be only an
  // extension (".../Config/.txt").
  std::string initialPath;
  // Save dialogs: ask before replacing an existing file.
  bool confirmOverwrite = false;

  friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;

  // The full path the operator chose, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

// The entries of a "description|pattern|...||" filter; an entry without its
// pattern is dropped.
std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

// The last component of a path (after the last "/" or "\").
std::string FileNameOfPath(const std::string& path);

// The folder part of a path, without the separator; empty without one.
std::string FolderOfPath(const std::string& path);

}  // namespace vn
