// "导入配置": a configuration text file straight into the main record.
#include "config/config_file.h"
#include "config/configurate_logic.h"
#include "platform/file_readable.h"

namespace vn {

void ConfigurateLogic::Import() {
  const auto chosen = files_.ChooseFileToOpen({kConfigFileFilter, InitialFileName(), false});
  if (!chosen || !FileReadable(*chosen)) return;  // cancelled or unreadable: nothing to say
  MainWindowState& s = tester_.state();
  const ConfigParseResult result = ParseConfigFile(*chosen, s.testParameters);
  if (result.ok()) {
    state_.filePath = *chosen;
    FillFromMainRecord();
    ExchangeOut();
    return;
  }
  if (result.status == ConfigParseStatus::LineFailed) {
    s.criterionReady = 0;
    s.configErrorLine = result.errorLine;
    tester_.log().Append(result.logLine);
    tester_.UpdateStartButton();
  }
  Show(result.message);
}

}  // namespace vn
