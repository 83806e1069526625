// Confirming a configuration from the command line: an imported
// configuration text file, or the configuration in force.
#include "app/CMyUsbHidTestAppDlg.h"
#include "config/config_file.h"
#include "config/configuration_confirmation.h"
#include "config/criterion_setting.h"

namespace vn::app {

bool CMyUsbHidTestAppDlg::ImportConfigurationFile(const std::string& path) {
  MainWindowState& s = tester_->state();
  // Read into a copy: a file refused part-way never leaves half of it in force.
  TestParameters parameters = s.testParameters;
  const ConfigParseResult result = ParseConfigFile(path, parameters);
  s.configErrorLine = result.errorLine;
  if (!result.ok()) {
    if (!result.logLine.empty()) tester_->log().Append(result.logLine);
    ShowMessage(result.message.text, result.message.caption, result.message.icon, MessageButtons::Ok);
    return false;
  }
  s.testParameters = parameters;
  s.configFilePath = path;
  // The judgement basis kept by "测试配置" decides, as when that dialog closes.
  ConfirmConfiguration(*tester_, ReadCriterionSetting(s.appDirectory));
  BuildNodeLists();
  return true;
}

void CMyUsbHidTestAppDlg::ConfirmConfigurationInForce() {
  tester_->ConfirmCriterion(0);
  BuildNodeLists();
}

}  // namespace vn::app
