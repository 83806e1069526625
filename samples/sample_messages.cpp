#include "samples/sample_messages.h"

namespace vn {

OperatorMessage SampleDialogMessage(const std::string& text) {
  return {text, kSampleDialogCaption, MessageIcon::Warning};
}

OperatorMessage SampleCapacityZeroMessage(const std::string& settingsPath) {
  return SampleDialogMessage("样本列表容量为0，无法获取样本。请在文件 " + settingsPath +
                             " 的 [SampleInformation] 中设置 NumberOfSamplesListMAX=32（1 至 32），然后重新启动程序。");
}

OperatorMessage FileOpenFailedMessage(const std::string& path) {
  return {"打开文件 \"" + path + " \"失败！", "", MessageIcon::None};
}

OperatorMessage FileWriteFailedMessage(const std::string& path) {
  return {path + "写入失败！", "", MessageIcon::Warning};
}

}  // namespace vn
