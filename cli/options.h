// Command-line options shared by every command of vn4820-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vn::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a film NG, a file refused
inline constexpr int kExitUsage = 2;
inline constexpr int kExitBoard = 3;   // no board, or the board does not answer
inline constexpr int kExitVerificationDue = 4;  // test: the station's reference verification is due

struct GlobalOptions {
  bool simulate = false;
  std::string simulateProfile = "good";
  bool trace = false;
  std::string workdir;     // empty: the current directory
  std::string sampleDir;   // empty: the platform's default
  std::optional<int> timeoutMs;
  std::string results;  // empty: films are not recorded
  std::string station;  // empty: the computer's name
  std::string serial;   // the serial number recorded with every film
};

struct ParsedCommandLine {
  GlobalOptions global;
  std::string command;
  std::vector<std::string> arguments;  // everything after the command
  std::string error;                   // non-empty: a usage error
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// Reads "--name VALUE" or "--name=VALUE" from args at index i; advances i.
bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                     std::string& value);

std::string UsageText();

}  // namespace vn::cli
