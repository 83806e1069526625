#include "samples/sample_messages.h"

namespace vn {

OperatorMessage SampleDialogMessage(const std::string& text) {
  return {text, kSampleDialogCaption, MessageIcon::Warning};
}

OperatorMessage FileOpenFailedMessage(const std::string& path) {
  return {"打开文件 \"" + path + " \"失败！", "", MessageIcon::None};
}

OperatorMessage FileWriteFailedMessage(const std::string& path) {
  return {path + "写入失败！", "", MessageIcon::Warning};
}

}  // namespace vn
