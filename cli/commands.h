// The table of vn4820-cli commands.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"

namespace vn::cli {

struct CommandContext {
  const GlobalOptions& global;
  const std::vector<std::string>& arguments;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  int (*run)(CommandContext& context);
};

const Command* FindCommand(const std::string& name);

int RunInfo(CommandContext& context);
int RunTestCommand(CommandContext& context);
int RunConfigCommand(CommandContext& context);
int RunXcfgCommand(CommandContext& context);
int RunBurnCommand(CommandContext& context);
int RunSampleCommand(CommandContext& context);
int RunReportCommand(CommandContext& context);
int RunRepeatCommand(CommandContext& context);
int RunVerifyCommand(CommandContext& context);

}  // namespace vn::cli
