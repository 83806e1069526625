// Writing a file whole or not at all: the bytes go to a temporary file beside
// the target, are flushed to disk, and replace the target with one rename.
// A crash or a full disk leaves either the old file or the new one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vn {

enum class WriteStep { Open, Write, Flush, Rename };

struct AtomicWriteResult {
  bool ok = false;
  WriteStep failedStep = WriteStep::Open;
  std::string systemMessage;  // the OS text, for the log
  explicit operator bool() const { return ok; }
};

// Test hook: returns true to make the given step fail as if the system had refused it.
using WriteFaultHook = std::function<bool(WriteStep)>;

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      const WriteFaultHook& fault = {});

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace vn
