// Copying a file over another: the target is written with WriteFileAtomically,
// so it holds either its old content or the whole copy, never part of it.
#pragma once

#include <string>

#include "platform/atomic_file.h"

namespace vn {

enum class CopyStatus { Copied, SourceUnreadable, TargetWriteFailed };

struct CopyResult {
  CopyStatus status = CopyStatus::SourceUnreadable;
  std::string systemMessage;  // the OS text when the target could not be written
  explicit operator bool() const { return status == CopyStatus::Copied; }
};

// Copies source to target, replacing a target that exists.
CopyResult CopyFileReplacing(const std::string& source, const std::string& target,
                             const WriteFaultHook& fault = {});

}  // namespace vn
