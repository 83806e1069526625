// Runs vn4820-cli in-process and keeps what it printed.
#pragma once

#include <filesystem>
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

// A simulated station whose working folder is dir (samples under it), the
// options it adds, then the command.
inline std::vector<std::string> StationArgs(const std::filesystem::path& dir, const std::string& profile,
                                            const std::vector<std::string>& options,
                                            const std::vector<std::string>& command) {
  std::vector<std::string> args = {"--simulate=" + profile, "--workdir", dir.string(), "--sample-dir",
                                   (dir / "samples").string()};
  args.insert(args.end(), options.begin(), options.end());
  args.insert(args.end(), command.begin(), command.end());
  return args;
}

}  // namespace vn::test
