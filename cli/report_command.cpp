// "report DIR [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--config FILE [--golden
// SAMPLE]]": the records of the days in range summarised on the terminal and
// in DIR/report.html; with a configuration, the process trends as well.
#include <ostream>

#include "cli/commands.h"
#include "config/config_file.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "results/report_html.h"
#include "results/report_loader.h"
#include "results/report_summary.h"

namespace vn::cli {

namespace {

struct ReportOptions {
  std::string folder;
  DayRange range;
  ReportHeading heading;
  std::string configFile;  // with it, the process trends
  std::string goldenFile;  // with it, the mean shift from the golden sample
};

std::string TakeDay(const std::string& name, const std::string& text, std::optional<int>& day) {
  day = ParseIsoDay(text);
  return day ? std::string() : name + " needs a day as YYYY-MM-DD";
}

std::string ParseReportOptions(const std::vector<std::string>& args, ReportOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string value;
    std::string error;
    if (TakeOptionValue(args, i, "--from", value)) {
      error = TakeDay("--from", options.heading.from = value, options.range.from);
    } else if (TakeOptionValue(args, i, "--to", value)) {
      error = TakeDay("--to", options.heading.to = value, options.range.to);
    } else if (TakeOptionValue(args, i, "--config", value)) {
      options.configFile = value;
    } else if (TakeOptionValue(args, i, "--golden", value)) {
      options.goldenFile = value;
    } else if (args[i].rfind("--", 0) != 0 && options.folder.empty()) {
      options.folder = args[i];
    } else {
      error = "unknown argument '" + args[i] + "'";
    }
    if (!error.empty()) return error;
  }
  if (options.folder.empty()) return "needs the results directory";
  if (!options.goldenFile.empty() && options.configFile.empty()) return "--golden needs --config FILE";
  if (options.range.from && options.range.to && *options.range.from > *options.range.to)
    return "--from is after --to";
  options.heading.folder = options.folder;
  return {};
}

// The configuration (and golden sample) the trends classify nodes with;
// the operator's message on err when one is refused.
bool PrepareTrends(const ReportOptions& options, std::optional<ProcessTrends>& trends, std::ostream& err) {
  if (options.configFile.empty()) return true;
  ProcessTrends prepared;
  const ConfigParseResult parsed = ParseConfigFile(options.configFile, prepared.parameters);
  if (!parsed.ok()) {
    if (parsed.status == ConfigParseStatus::LineFailed) err << parsed.logLine << "\n";
    err << "report: " << parsed.message.text << "\n";
    return false;
  }
  if (!options.goldenFile.empty()) {
    const ReferenceLoad golden = LoadReferenceNodes(options.goldenFile, prepared.parameters);
    if (!golden.ok) {
      err << "report: " << golden.error << "\n";
      return false;
    }
    prepared.goldenFile = options.goldenFile;
    prepared.golden = golden.nodes;
  }
  trends = std::move(prepared);
  return true;
}

}  // namespace

int RunReportCommand(CommandContext& context) {
  ReportOptions options;
  if (const std::string error = ParseReportOptions(context.arguments, options); !error.empty()) {
    context.err << "report: " << error << "\n";
    return kExitUsage;
  }
  std::optional<ProcessTrends> trends;
  if (!PrepareTrends(options, trends, context.err)) return kExitUsage;
  const ReportLoad load = LoadReport(options.folder, options.range, std::move(trends));
  if (!load.ok) {
    context.err << "report: cannot read the directory " << options.folder << "\n";
    return kExitFailed;
  }
  const std::string htmlPath = JoinPath(options.folder, "report.html");
  context.out << ReportSummaryText(load.data);
  if (!WriteFileAtomically(htmlPath, ReportHtml(load.data, options.heading))) {
    context.err << "report: cannot write " << htmlPath << "\n";
    return kExitFailed;
  }
  context.out << "report: " << htmlPath << "\n";
  return kExitOk;
}

}  // namespace vn::cli
