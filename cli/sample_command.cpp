// "sample": golden samples from the command line. "capture" runs one test
// and writes the film as a sample into the sample work directory, "average"
// writes the average sample of several files, "limits" derives a sample's
// limits and writes the two limit record files under the work directory.
#include <ostream>

#include "cli/commands.h"
#include "cli/config_option.h"
#include "cli/sample_option.h"
#include "cli/session.h"
#include "config/config_file.h"
#include "samples/sample_averaging.h"
#include "samples/sample_capture.h"
#include "samples/sample_file_writer.h"
#include "samples/sample_limit_files.h"
#include "samples/sample_paths.h"

namespace vn::cli {

namespace {

constexpr char kSampleUsage[] =
    "usage: vn4820-cli sample capture [--config FILE] [--sheet 0|1]\n"
    "       vn4820-cli sample average [--config FILE] FILE FILE FILE...\n"
    "       vn4820-cli sample limits FILE --deviation abs:NEG:POS|pct:NEG:POS [--config FILE]\n";

struct SampleOptions {
  std::string subcommand;
  std::string configFile;
  int sheetType = 0;
  bool sheetGiven = false;
  std::optional<DeviationSettings> deviation;
  std::vector<std::string> files;
};

std::string ParseOption(const std::vector<std::string>& args, std::size_t& i, SampleOptions& options) {
  std::string value;
  if (TakeOptionValue(args, i, "--config", value)) {
    options.configFile = value;
  } else if (TakeOptionValue(args, i, "--sheet", value)) {
    if (value != "0" && value != "1") return "--sheet is 0 or 1";
    options.sheetType = value == "1" ? 1 : 0;
    options.sheetGiven = true;
  } else if (TakeOptionValue(args, i, "--deviation", value)) {
    options.deviation = ParseDeviationOption(value);
    if (!options.deviation) return kDeviationUsage;
  } else if (args[i].rfind("--", 0) == 0) {
    return "unknown option '" + args[i] + "'";
  } else {
    options.files.push_back(args[i]);
  }
  return {};
}

// Which options each subcommand takes.
std::string CheckCombination(const SampleOptions& o) {
  if (o.subcommand == "capture") {
    if (!o.files.empty() || o.deviation) return "capture takes no files and no --deviation";
  } else if (o.subcommand == "average") {
    if (o.deviation || o.sheetGiven) return "average takes files and --config only";
  } else if (o.subcommand == "limits") {
    if (o.files.size() != 1 || !o.deviation || o.sheetGiven) return "limits needs one FILE and --deviation";
  } else {
    return "unknown subcommand";
  }
  return {};
}

std::string ParseSampleOptions(const std::vector<std::string>& args, SampleOptions& options) {
  if (args.empty()) return "no subcommand given";
  options.subcommand = args[0];
  for (std::size_t i = 1; i < args.size(); ++i)
    if (std::string error = ParseOption(args, i, options); !error.empty()) return error;
  return CheckCombination(options);
}

int Capture(Session& session) {
  if (const int connected = session.Connect(); connected != kExitOk) return connected;
  Tester& tester = session.tester();
  RequestCapture(tester.state());
  const CaptureStepResult step = RunCaptureStep(tester);
  if (!step.outcome.judged || !step.sample) return kExitBoard;
  session.PrintLine(std::string("verdict: ") + (step.outcome.passed ? "PASS" : "NG"));
  if (!step.sample->ok()) {
    session.err() << step.sample->message.text << "\n";
    return kExitFailed;
  }
  session.PrintLine(step.sample->record.path);
  return kExitOk;
}

int Average(Session& session, const std::vector<std::string>& files) {
  const MainWindowState& state = session.tester().state();
  const SampleAverageResult average = AverageSamples(files, state.testParameters);
  if (!average.ok) {
    session.err() << average.message.text << "\n";
    return kExitFailed;
  }
  const SampleWriteResult written = WriteAverageSample(state, average.values);
  if (!written.ok()) {
    session.err() << written.message.text << "\n";
    return kExitFailed;
  }
  session.PrintLine(written.record.path);
  return kExitOk;
}

int Limits(Session& session, const std::string& file, const DeviationSettings& deviation) {
  Tester& tester = session.tester();
  if (!LoadSampleLimits(tester, file, deviation, session.err())) return kExitFailed;
  const std::string& appDirectory = tester.state().appDirectory;
  const LimitFilesResult written = WriteSampleLimitFiles(appDirectory, tester.state().sampleLimits);
  if (!written.ok) {
    session.err() << written.message.text << "\n";
    return kExitFailed;
  }
  session.PrintLine(SampleLowLimitFilePath(appDirectory));
  session.PrintLine(SampleHighLimitFilePath(appDirectory));
  return kExitOk;
}

}  // namespace

int RunSampleCommand(CommandContext& context) {
  SampleOptions options;
  if (const std::string error = ParseSampleOptions(context.arguments, options); !error.empty()) {
    context.err << "sample: " << error << "\n" << kSampleUsage;
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  if (!options.configFile.empty() && !LoadConfiguration(session, options.configFile)) return kExitFailed;
  session.tester().state().sheetType = options.sheetType;

  if (options.subcommand == "capture") return Capture(session);
  if (options.subcommand == "average") return Average(session, options.files);
  return Limits(session, options.files.front(), *options.deviation);
}

}  // namespace vn::cli
