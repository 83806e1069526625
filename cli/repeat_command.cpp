// "repeat --count N [--config FILE] [--sheet 0|1] [--html FILE]": the film on
// the fixture tested N times, not as production (no verdicts, no records), and
// the spread of every judged node's value reported, with a noise heatmap.
#include <charconv>
#include <ostream>

#include "cli/commands.h"
#include "cli/config_option.h"
#include "cli/session.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "results/repeat_report.h"

namespace vn::cli {

namespace {

constexpr int kFewestRuns = 10;  // fewer say little about a node's spread
constexpr int kMostRuns = 10000;

struct RepeatOptions {
  int count = 0;
  std::string configFile;
  int sheetType = 0;
  std::string htmlPath;
};

bool ToCount(const std::string& text, int& count) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, count);
  return !text.empty() && ec == std::errc() && ptr == end && count >= kFewestRuns && count <= kMostRuns;
}

std::string ParseRepeatOptions(const std::vector<std::string>& args, RepeatOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string value;
    if (TakeOptionValue(args, i, "--count", value)) {
      if (!ToCount(value, options.count))
        return "--count needs a number of runs from " + std::to_string(kFewestRuns) + " to " +
               std::to_string(kMostRuns);
    } else if (TakeOptionValue(args, i, "--config", value)) {
      options.configFile = value;
    } else if (TakeOptionValue(args, i, "--sheet", value)) {
      if (value != "0" && value != "1") return "--sheet is 0 or 1";
      options.sheetType = value == "1" ? 1 : 0;
    } else if (TakeOptionValue(args, i, "--html", value)) {
      options.htmlPath = value;
    } else {
      return "unknown option '" + args[i] + "'";
    }
  }
  if (options.count == 0) return "needs --count N (N " + std::to_string(kFewestRuns) + " or more)";
  return {};
}

std::string DefaultHtmlPath(const GlobalOptions& global) {
  return JoinPath(global.workdir.empty() ? CurrentDirectory() : global.workdir, "repeat.html");
}

}  // namespace

int RunRepeatCommand(CommandContext& context) {
  RepeatOptions options;
  if (const std::string error = ParseRepeatOptions(context.arguments, options); !error.empty()) {
    context.err << "repeat: " << error << "\n";
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  session.SetLogStream(nullptr);  // N runs of the operator log say nothing here
  Tester& tester = session.tester();
  if (!options.configFile.empty() && !LoadConfiguration(session, options.configFile)) return kExitUsage;
  tester.state().sheetType = options.sheetType;
  if (const int connected = session.Connect(); connected != kExitOk) return connected;
  tester.ConfirmCriterion(0);

  RepeatabilityStats stats;
  for (int run = 1; run <= options.count; ++run) {
    const RunOutcome outcome = tester.RunTest();
    if (!outcome.judged) {
      context.err << "repeat: run " << run << " of " << options.count << " was aborted: "
                  << (tester.log().Lines().empty() ? std::string() : tester.log().Lines().back()) << "\n";
      return kExitBoard;
    }
    stats.Add(tester.state().run.measuredValues);
  }
  const RepeatabilitySummary summary = SummariseRepeatability(stats, tester.state().testParameters, kRepeatWorstNodes);
  context.out << RepeatSummaryText(summary);
  const std::string htmlPath = options.htmlPath.empty() ? DefaultHtmlPath(context.global) : options.htmlPath;
  if (!WriteFileAtomically(htmlPath, RepeatHtml(summary, stats))) {
    context.err << "repeat: cannot write " << htmlPath << "\n";
    return kExitFailed;
  }
  context.out << "repeat: " << htmlPath << "\n";
  return kExitOk;
}

}  // namespace vn::cli
