#include "cli/options.h"

#include <charconv>

namespace vn::cli {

bool TakeOptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                     std::string& value) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
  }
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  return false;
}

namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool StartsWithOption(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--simulate") {
      parsed.global.simulate = true;
    } else if (arg.rfind("--simulate=", 0) == 0) {
      parsed.global.simulate = true;
      parsed.global.simulateProfile = arg.substr(11);
    } else if (arg == "--trace") {
      parsed.global.trace = true;
    } else if (StartsWithOption(arg, "--workdir")) {
      if (!TakeOptionValue(args, i, "--workdir", parsed.global.workdir)) parsed.error = "--workdir needs a directory";
    } else if (StartsWithOption(arg, "--sample-dir")) {
      if (!TakeOptionValue(args, i, "--sample-dir", parsed.global.sampleDir)) parsed.error = "--sample-dir needs a directory";
    } else if (StartsWithOption(arg, "--timeout-ms")) {
      int ms = 0;
      if (!TakeOptionValue(args, i, "--timeout-ms", value) || !ParseInt(value, ms) || ms <= 0)
        parsed.error = "--timeout-ms needs a positive number of milliseconds";
      else
        parsed.global.timeoutMs = ms;
    } else if (StartsWithOption(arg, "--results")) {
      if (!TakeOptionValue(args, i, "--results", parsed.global.results) || parsed.global.results.empty())
        parsed.error = "--results needs a directory";
    } else if (StartsWithOption(arg, "--station")) {
      if (!TakeOptionValue(args, i, "--station", parsed.global.station)) parsed.error = "--station needs a name";
    } else if (StartsWithOption(arg, "--serial")) {
      if (!TakeOptionValue(args, i, "--serial", parsed.global.serial)) parsed.error = "--serial needs a text";
    } else if (arg == "--help" || arg == "-h") {
      parsed.command = "help";
      return parsed;
    } else if (arg.rfind("--", 0) == 0 && parsed.command.empty()) {
      // Not a global option: it belongs to the command that follows.
      break;
    } else {
      break;
    }
    if (!parsed.error.empty()) return parsed;
  }
  if (i < args.size()) {
    parsed.command = args[i];
    parsed.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
  }
  if (parsed.command.empty()) parsed.error = "no command given";
  return parsed;
}

std::string UsageText() {
  return "usage: vn4820-cli [--simulate[=PROFILE]] [--trace] [--workdir DIR] [--sample-dir DIR]\n"
         "                  [--timeout-ms N] [--results DIR] [--station NAME] [--serial TEXT] COMMAND [ARGS]\n"
         "  --results DIR              append a record of every film tested to DIR/results-YYYYMMDD.csv and .jsonl\n"
         "  --station NAME             the station named in the records (default: the computer's name)\n"
         "  --serial TEXT              the film's serial number, recorded with it\n"
         "commands:\n"
         "  info                       find the board, connect, print the controller\n"
         "  test [--config FILE] [--criterion range|sample] [--sample FILE --deviation abs:NEG:POS|pct:NEG:POS]\n"
         "       [--diff VALO:VAHI:KEYLO:KEYHI] [--sheet 0|1] [--count N] [--json] [--margin pct:N|abs:N|off]\n"
         "                             test films; exit 0 all PASS, 1 an NG, 3 board error, 4 verification due\n"
         "  config default FILE        write the default configuration text file\n"
         "  config check FILE          check a configuration text file\n"
         "  sample capture [test options] | sample average FILE FILE FILE... |\n"
         "  sample limits FILE --deviation abs:NEG:POS|pct:NEG:POS\n"
         "                             golden samples and their limit files\n"
         "  xcfg FILE [--json]         check a controller configuration file and list its blocks\n"
         "  burn FILE                  burn a controller configuration file into the board\n"
         "  report DIR [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--config FILE [--golden SAMPLE]]\n"
         "                             summarise the records in DIR and write DIR/report.html\n"
         "  repeat --count N [--config FILE] [--sheet 0|1] [--html FILE]\n"
         "                             test the film on the fixture N (10 or more) times, not as production, and\n"
         "                             report each node's spread; writes repeat.html in the working directory\n"
         "  verify [--reference FILE] [--tolerance abs:N|pct:N] [--config FILE] [--sheet 0|1]\n"
         "                             test the station's reference film against its golden sample; exit 0 PASS,\n"
         "                             1 drifted; recorded in Config/verifications.jsonl\n";
}

}  // namespace vn::cli
