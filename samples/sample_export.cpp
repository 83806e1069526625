#include "samples/sample_export.h"

#include "platform/file_chooser.h"
#include "platform/file_copy.h"
#include "samples/sample_messages.h"

namespace vn {

std::string SampleExportPath(const std::string& chosenPath) {
  const std::string name = FileNameOfPath(chosenPath);
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".ini") != 0) return chosenPath + ".ini";
  return chosenPath;
}

SampleExportResult ExportSampleFile(const std::string& samplePath, const std::string& targetPath) {
  const CopyResult copy = CopyFileReplacing(samplePath, targetPath);
  if (copy) return {true, {}};
  if (copy.status == CopyStatus::SourceUnreadable) return {false, {}};
  return {false, FileWriteFailedMessage(targetPath)};
}

}  // namespace vn
