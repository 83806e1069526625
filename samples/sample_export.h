// "导出样本文件": a listed sample file copied to a name the operator chose.
#pragma once

#include <string>

#include "config/operator_message.h"

namespace vn {

// ".ini" is appended unless the chosen file name already ends in exactly
// ".ini" (letter case counts, so "A.INI" becomes "A.INI.ini").
std::string SampleExportPath(const std::string& chosenPath);

struct SampleExportResult {
  bool copied = false;
  OperatorMessage message;  // when the target could not be written
};

// Copies the sample over the target. A sample file that has vanished copies
// nothing and says nothing.
SampleExportResult ExportSampleFile(const std::string& samplePath, const std::string& targetPath);

}  // namespace vn
