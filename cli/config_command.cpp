#include <ostream>

#include "cli/commands.h"
#include "config/config_file.h"

namespace vn::cli {

namespace {

int WriteDefault(CommandContext& context, const std::string& path) {
  const ConfigWriteResult result = WriteConfigFile(path, TestParameters{});
  if (!result.ok()) {
    context.err << result.message.text << "\n";
    return kExitFailed;
  }
  context.out << path << "\n";
  return kExitOk;
}

int Check(CommandContext& context, const std::string& path) {
  TestParameters parameters;
  const ConfigParseResult result = ParseConfigFile(path, parameters);
  if (result.ok()) {
    context.out << "OK\n";
    return kExitOk;
  }
  if (!result.logLine.empty()) context.out << result.logLine << "\n";
  context.out << result.message.text << "\n";
  return kExitFailed;
}

}  // namespace

int RunConfigCommand(CommandContext& context) {
  const auto& args = context.arguments;
  if (args.size() != 2 || (args[0] != "default" && args[0] != "check")) {
    context.err << "usage: vn4820-cli config default FILE | config check FILE\n";
    return kExitUsage;
  }
  return args[0] == "default" ? WriteDefault(context, args[1]) : Check(context, args[1]);
}

}  // namespace vn::cli
