#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/config_option.h"
#include "cli/sample_option.h"
#include "cli/session.h"
#include "config/config_file.h"
#include "results/results_recorder.h"
#include "results/station_settings.h"
#include "results/verification_policy.h"
#include "results/verification_record.h"

namespace vn::cli {

namespace {

struct TestOptions {
  std::string configFile;
  int criterion = 0;
  std::string sampleFile;
  std::string deviation;
  bool diff = false;
  DifferenceLimits diffLimits;
  int sheetType = 0;
  int count = 1;
  bool json = false;
  std::optional<MarginSetting> margin;  // --margin; otherwise the station file's
};

bool ToInt(const std::string& text, long long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

// "VALO:VAHI:KEYLO:KEYHI", each a signed 16-bit number.
bool ParseDiffLimits(const std::string& text, DifferenceLimits& limits) {
  long long numbers[4];
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t colon = text.find(':', start);
    const bool last = i == 3;
    if (last != (colon == std::string::npos)) return false;
    const std::string part = text.substr(start, last ? std::string::npos : colon - start);
    if (!ToInt(part, numbers[i]) || numbers[i] < -32768 || numbers[i] > 32767) return false;
    start = colon + 1;
  }
  limits = {static_cast<std::int16_t>(numbers[0]), static_cast<std::int16_t>(numbers[1]),
            static_cast<std::int16_t>(numbers[2]), static_cast<std::int16_t>(numbers[3])};
  return true;
}

std::string ParseTestOptions(const std::vector<std::string>& args, TestOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    long long number = 0;
    if (TakeOptionValue(args, i, "--config", value)) {
      options.configFile = value;
    } else if (TakeOptionValue(args, i, "--criterion", value)) {
      if (value != "range" && value != "sample") return "--criterion is range or sample";
      options.criterion = value == "sample" ? 1 : 0;
    } else if (TakeOptionValue(args, i, "--sample", value)) {
      options.sampleFile = value;
    } else if (TakeOptionValue(args, i, "--deviation", value)) {
      options.deviation = value;
    } else if (TakeOptionValue(args, i, "--diff", value)) {
      if (!ParseDiffLimits(value, options.diffLimits)) return "--diff needs VALO:VAHI:KEYLO:KEYHI";
      options.diff = true;
    } else if (TakeOptionValue(args, i, "--sheet", value)) {
      if (value != "0" && value != "1") return "--sheet is 0 or 1";
      options.sheetType = value == "1" ? 1 : 0;
    } else if (TakeOptionValue(args, i, "--count", value)) {
      if (!ToInt(value, number) || number < 1 || number > 1000000) return "--count needs a positive number";
      options.count = static_cast<int>(number);
    } else if (TakeOptionValue(args, i, "--margin", value)) {
      options.margin = ParseMarginSetting(value);
      if (!options.margin) return std::string("--margin needs ") + kMarginUsage;
    } else if (arg == "--json") {
      options.json = true;
    } else {
      return "unknown option '" + arg + "'";
    }
  }
  if (options.criterion == 1) {
    if (options.sampleFile.empty()) return "--criterion sample needs --sample FILE";
    if (!ParseDeviationOption(options.deviation)) return kDeviationUsage;
  }
  return {};
}

nlohmann::json FilmRecord(const Tester& tester, const RunOutcome& outcome) {
  const MainWindowState& s = tester.state();
  const RunState& run = s.run;
  nlohmann::json failing = nlohmann::json::array();
  const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
  if (outcome.judged)
    for (const NodePosition& node : FailingValues(basis, run.measuredValues)) failing.push_back({node.x, node.y});
  nlohmann::json record = {
      {"verdict", outcome.judged && outcome.passed ? "PASS" : "NG"},
      {"judged", outcome.judged},
      {"filmNg", run.filmNg},
      {"differenceNg", run.differenceNg},
      {"selfTestPassed", run.selfTestPassed},
      {"selfTestText", run.selfTestText},
      {"selfTestFaultX", run.selfTestFaultX},
      {"selfTestFaultY", run.selfTestFaultY},
      {"okCount", s.counters.okCount},
      {"ngCount", s.counters.ngCount},
      {"yieldPercent", s.counters.yieldPercent},
      {"elapsedSeconds", outcome.elapsedSeconds},
      {"measured", run.measuredValues.values},
      {"failingNodes", failing},
  };
  if (s.diffCriterionEnabled != 0) {
    record["differences"] = run.differenceValues.values;
    nlohmann::json failingDifferences = nlohmann::json::array();
    for (const NodePosition& node : FailingDifferences(s.testParameters, s.differenceLimits, run.differenceValues))
      failingDifferences.push_back({node.x, node.y});
    record["failingDifferences"] = failingDifferences;
  }
  if (s.margin.enabled()) {
    nlohmann::json marginal = nlohmann::json::array();
    if (outcome.judged)
      for (const NodePosition& node : MarginalValues(basis, s.margin, run.measuredValues))
        marginal.push_back({node.x, node.y});
    record["marginalNodes"] = marginal;
  }
  return record;
}

// With --results, every film's record; the operator log says when one fails,
// and the terminal once more, since --json silences the log.
class FilmRecording {
 public:
  FilmRecording(const GlobalOptions& global, const TestOptions& options, Tester& tester)
      : global_(global), tester_(tester) {
    details_.serial = global.serial;
    if (options.criterion == 1) details_.samplePath = options.sampleFile;
    if (!global.results.empty()) recorder_.emplace(global.results, global.station, tester.log());
  }

  void Record(const RunOutcome& outcome, std::ostream& err) {
    if (!recorder_ || recorder_->Record(tester_, outcome, details_).written || warned_) return;
    warned_ = true;
    err << "vn4820-cli: cannot record the film in " << global_.results << "\n";
  }

 private:
  const GlobalOptions& global_;
  Tester& tester_;
  FilmDetails details_;
  std::optional<ResultsRecorder> recorder_;
  bool warned_ = false;
};

// A batch goes on after a film the board did not finish, once the board
// answers again; it stops when the board cannot be reconnected, or after this
// many such films in a row.
constexpr int kAbortedInARowLimit = 3;

// After an aborted film: true when the batch may go on with the next film.
bool RecoverForNextFilm(Session& session, int film, int count, int abortedInARow) {
  std::ostream& err = session.err();
  const std::string position = std::to_string(film + 1) + " of " + std::to_string(count);
  if (abortedInARow >= kAbortedInARowLimit) {
    err << "vn4820-cli: " << abortedInARow << " films in a row aborted; batch stopped after film " << position << "\n";
    return false;
  }
  err << "vn4820-cli: film " << position << " aborted; reconnecting the test board\n";
  if (session.Reconnect() != kExitOk) {
    err << "vn4820-cli: batch stopped after film " << position << "\n";
    return false;
  }
  return true;
}

}  // namespace

int RunTestCommand(CommandContext& context) {
  TestOptions options;
  if (const std::string error = ParseTestOptions(context.arguments, options); !error.empty()) {
    context.err << "test: " << error << "\n";
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  if (options.json) session.SetLogStream(nullptr);
  Tester& tester = session.tester();
  if (!options.configFile.empty() && !LoadConfiguration(session, options.configFile)) return kExitUsage;
  // The sample's limits under the configuration now in force.
  if (options.criterion == 1 &&
      !LoadSampleLimits(tester, options.sampleFile, *ParseDeviationOption(options.deviation), context.err))
    return kExitFailed;
  tester.state().sheetType = options.sheetType;
  tester.state().diffCriterionEnabled = options.diff ? 1 : 0;
  tester.state().differenceLimits = options.diffLimits;
  const StationSettingsLoad station = LoadStationSettings(context.global.workdir);
  if (!station.ok) {
    context.err << "test: " << station.error << "\n";
    return kExitUsage;
  }
  tester.state().margin = options.margin.value_or(station.settings.margin);
  const VerificationDue due =
      CheckVerificationDue(station.settings.verificationIntervalHours,
                           LastPassedVerification(VerificationsPath(context.global.workdir)), CurrentLocalDateTime());
  if (due.due) {
    context.err << "test: reference verification is due: " << due.reason << "; run vn4820-cli verify first\n";
    return kExitVerificationDue;
  }

  if (const int connected = session.Connect(); connected != kExitOk) return connected;
  tester.ConfirmCriterion(options.criterion);

  FilmRecording recording(context.global, options, tester);
  bool anyNg = false;
  bool anyAborted = false;
  int abortedInARow = 0;
  for (int film = 0; film < options.count; ++film) {
    const RunOutcome outcome = tester.RunTest();
    recording.Record(outcome, context.err);
    if (options.json) {
      session.PrintLine(FilmRecord(tester, outcome).dump());
    } else {
      session.PrintLine(std::string("verdict: ") + (outcome.judged && outcome.passed ? "PASS" : "NG"));
    }
    anyNg = anyNg || !outcome.passed;
    abortedInARow = outcome.judged ? 0 : abortedInARow + 1;
    anyAborted = anyAborted || !outcome.judged;
    const bool more = film + 1 < options.count;
    if (!outcome.judged && more && !RecoverForNextFilm(session, film, options.count, abortedInARow)) break;
  }
  if (anyAborted) return kExitBoard;
  return anyNg ? kExitFailed : kExitOk;
}

}  // namespace vn::cli
