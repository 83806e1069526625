#include "cli/commands.h"

namespace vn::cli {

namespace {

const Command kCommands[] = {
    {"info", RunInfo},
    {"test", RunTestCommand},
    {"config", RunConfigCommand},
    {"sample", RunSampleCommand},
    {"xcfg", RunXcfgCommand},
    {"burn", RunBurnCommand},
    {"report", RunReportCommand},
    {"repeat", RunRepeatCommand},
    {"verify", RunVerifyCommand},
};

}  // namespace

const Command* FindCommand(const std::string& name) {
  for (const Command& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

}  // namespace vn::cli
