// Command-line options of the tester window.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vn::app {

struct AppOptions {
  bool simulate = false;
  std::string simulateProfile = "good";  // built-in profile name or profile file
  std::string configFile;                // imported and confirmed at start-up
  std::optional<int> runCount;           // tests run once the board is connected
  std::string screenshotFile;            // PNG written once connected and the runs are done; then exit
  std::string workdir;                   // working directory (base of "Config" and "Sample")
  std::string sampleDir;                 // sample work directory
  std::string resultsFolder;             // a record of every film goes here
  std::string station;                   // station name in the records (default: the host name)
  bool askSerial = false;                // Start first asks for the film's serial number
  bool help = false;
};

struct AppOptionsResult {
  AppOptions options;
  std::string error;  // empty when the arguments were understood
  bool ok() const { return error.empty(); }
};

// Arguments without the program name. Options take "--name value" or "--name=value".
AppOptionsResult ParseAppOptions(const std::vector<std::string>& arguments);

std::string AppUsage();

}  // namespace vn::app
