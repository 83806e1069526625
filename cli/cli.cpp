#include "cli/cli.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/options.h"

namespace vn::cli {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (parsed.command == "help") {
    out << UsageText();
    return kExitOk;
  }
  if (!parsed.error.empty()) {
    err << "vn4820-cli: " << parsed.error << "\n" << UsageText();
    return kExitUsage;
  }
  const Command* command = FindCommand(parsed.command);
  if (command == nullptr) {
    err << "vn4820-cli: unknown command '" << parsed.command << "'\n" << UsageText();
    return kExitUsage;
  }
  CommandContext context{parsed.global, parsed.arguments, out, err};
  return command->run(context);
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return Run(args, std::cout, std::cerr);
}

}  // namespace vn::cli
