#include "cli/config_option.h"

#include <ostream>

#include "config/config_file.h"

namespace vn::cli {

bool LoadConfiguration(Session& session, const std::string& path) {
  MainWindowState& state = session.tester().state();
  const ConfigParseResult result = ParseConfigFile(path, state.testParameters);
  if (result.ok()) {
    state.configFilePath = path;
    return true;
  }
  state.criterionReady = 0;
  if (result.status == ConfigParseStatus::LineFailed) {
    state.configErrorLine = result.errorLine;
    session.err() << result.logLine << "\n";
  }
  session.err() << result.message.text << "\n";
  return false;
}

}  // namespace vn::cli
