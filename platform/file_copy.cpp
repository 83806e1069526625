#include "platform/file_copy.h"

namespace vn {

CopyResult CopyFileReplacing(const std::string& source, const std::string& target,
                             const WriteFaultHook& fault) {
  CopyResult result;
  std::string bytes;
  if (!ReadWholeFile(source, bytes)) {
    result.status = CopyStatus::SourceUnreadable;
    return result;
  }
  const AtomicWriteResult written = WriteFileAtomically(target, bytes, fault);
  result.status = written ? CopyStatus::Copied : CopyStatus::TargetWriteFailed;
  result.systemMessage = written.systemMessage;
  return result;
}

}  // namespace vn
