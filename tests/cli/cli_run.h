// Runs vn4820-cli in-process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vn::test {

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace vn::test
