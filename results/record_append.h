// Appending one record to several files (the day's CSV and JSON-lines files)
// whole or not at all: each file gets its bytes in one write; when any write
// or flush fails, every file is cut back to the size it had before.
#pragma once

#include <string>
#include <vector>

#include "results/append_file.h"

namespace vn {

struct RecordLine {
  std::string path;
  std::string header;  // written before the line when the file is empty
  std::string line;
};

struct AppendOutcome {
  bool ok = false;
  int error = 0;     // errno of the failure
  std::string path;  // the file that failed
  explicit operator bool() const { return ok; }
};

AppendOutcome AppendRecordLines(const std::vector<RecordLine>& lines, const AppendFileOpener& opener);

}  // namespace vn
