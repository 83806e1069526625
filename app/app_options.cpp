#include "app/app_options.h"

#include <charconv>

namespace vn::app {

namespace {

constexpr int kMaxRunCount = 100000;

struct Argument {
  std::string name;
  std::optional<std::string> inlineValue;  // after "="
};

Argument Split(const std::string& argument) {
  const std::size_t eq = argument.find('=');
  if (eq == std::string::npos) return {argument, std::nullopt};
  return {argument.substr(0, eq), argument.substr(eq + 1)};
}

std::optional<int> ToCount(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < 0 || value > kMaxRunCount) return std::nullopt;
  return value;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  AppOptionsResult Run() {
    for (index_ = 0; index_ < arguments_.size() && result_.ok(); ++index_) Take(Split(arguments_[index_]));
    return result_;
  }

 private:
  void Take(const Argument& a) {
    AppOptions& o = result_.options;
    if (a.name == "--help" || a.name == "-h") {
      o.help = true;
    } else if (a.name == "--simulate") {
      o.simulate = true;
      if (a.inlineValue) o.simulateProfile = *a.inlineValue;
      if (o.simulateProfile.empty()) Fail("--simulate= needs a profile name");
    } else if (a.name == "--config") {
      Value(a, o.configFile);
    } else if (a.name == "--run") {
      std::string text;
      if (!Value(a, text)) return;
      o.runCount = ToCount(text);
      if (!o.runCount) Fail("--run needs a count from 0 to " + std::to_string(kMaxRunCount) + ", not '" + text + "'");
    } else if (a.name == "--screenshot") {
      Value(a, o.screenshotFile);
    } else if (a.name == "--workdir") {
      Value(a, o.workdir);
    } else if (a.name == "--sample-dir") {
      Value(a, o.sampleDir);
    } else if (a.name == "--results") {
      Value(a, o.resultsFolder);
    } else if (a.name == "--station") {
      Value(a, o.station);
    } else if (a.name == "--ask-serial") {
      o.askSerial = true;
    } else {
      Fail("unknown option '" + arguments_[index_] + "'");
    }
  }

  bool Value(const Argument& a, std::string& target) {
    if (a.inlineValue) {
      target = *a.inlineValue;
    } else if (index_ + 1 < arguments_.size()) {
      target = arguments_[++index_];
    } else {
      target.clear();
    }
    if (target.empty()) Fail(a.name + " needs a value");
    return !target.empty();
  }

  void Fail(const std::string& error) { result_.error = error; }

  const std::vector<std::string>& arguments_;
  std::size_t index_ = 0;
  AppOptionsResult result_;
};

}  // namespace

AppOptionsResult ParseAppOptions(const std::vector<std::string>& arguments) { return Parser(arguments).Run(); }

std::string AppUsage() {
  return "usage: vn4820-tester [options]\n"
         "  --simulate[=PROFILE]  use the simulated test board (built-in profile or profile file; default good)\n"
         "  --config FILE         import this configuration text file at start-up and confirm it\n"
         "  --run N               run N tests once the board is connected\n"
         "  --screenshot FILE     write the window to FILE (PNG) once connected and the runs are done, then exit\n"
         "  --workdir DIR         working directory (holds Config and Sample)\n"
         "  --sample-dir DIR      sample work directory\n"
         "  --results DIR         append a record of every film to DIR (results-YYYYMMDD.csv and .jsonl)\n"
         "  --station NAME        station name in the records (default: the host name)\n"
         "  --ask-serial          Start first asks for the film's serial number (a scanner ends it with Enter)\n"
         "  --help                this text\n";
}

}  // namespace vn::app
