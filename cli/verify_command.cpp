// "verify [--reference FILE] [--tolerance abs:N|pct:N] [--config FILE]
// [--sheet 0|1]": the station's reference film tested once and compared node
// by node with its golden sample; the outcome is recorded in
// Config/verifications.jsonl. The reference and the tolerance default to the
// station file's ReferenceSample and ReferenceTolerance.
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "cli/config_option.h"
#include "cli/session.h"
#include "results/failing_nodes.h"
#include "results/host_name.h"
#include "results/local_time.h"
#include "results/sha256.h"
#include "results/station_settings.h"
#include "results/verification_record.h"

namespace vn::cli {

namespace {

constexpr std::size_t kDriftedNodesShown = 20;

struct VerifyOptions {
  std::string reference;
  std::string tolerance;
  std::string configFile;
  int sheetType = 0;
};

std::string ParseVerifyOptions(const std::vector<std::string>& args, VerifyOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string value;
    if (TakeOptionValue(args, i, "--reference", value)) {
      options.reference = value;
    } else if (TakeOptionValue(args, i, "--tolerance", value)) {
      options.tolerance = value;
    } else if (TakeOptionValue(args, i, "--config", value)) {
      options.configFile = value;
    } else if (TakeOptionValue(args, i, "--sheet", value)) {
      if (value != "0" && value != "1") return "--sheet is 0 or 1";
      options.sheetType = value == "1" ? 1 : 0;
    } else {
      return "unknown option '" + args[i] + "'";
    }
  }
  return {};
}

// The options, completed from the station file.
std::string ResolveReference(const GlobalOptions& global, VerifyOptions& options, ReferenceTolerance& tolerance) {
  const StationSettingsLoad station = LoadStationSettings(global.workdir);
  if (!station.ok) return station.error;
  if (options.reference.empty()) options.reference = station.settings.referenceSample;
  if (options.tolerance.empty()) options.tolerance = station.settings.referenceTolerance;
  if (options.reference.empty()) return "needs --reference FILE (or ReferenceSample in the station file)";
  if (options.tolerance.empty()) return "needs --tolerance (or ReferenceTolerance in the station file)";
  const std::optional<ReferenceTolerance> parsed = ParseReferenceTolerance(options.tolerance);
  if (!parsed) return std::string("the tolerance must be ") + kToleranceUsage;
  tolerance = *parsed;
  return {};
}

std::string Signed(long long value) { return (value > 0 ? "+" : "") + std::to_string(value); }

std::string SignedFixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.1f", value);
  return text;
}

std::string DriftText(const DriftedNode& n) {
  return NodeName(n.node) + " (" + AreaName(n.area) + "): reference " + std::to_string(n.reference) + ", measured " +
         std::to_string(n.measured) + ", drift " + Signed(n.drift) + " (allowed " + std::to_string(n.allowed) + ")";
}

void PrintResult(std::ostream& out, const VerificationRecord& record) {
  const VerificationResult& r = record.result;
  out << "reference: " << record.referenceFile << "\n" << "tolerance: " << record.tolerance << "\n";
  if (!record.judged) out << "the run was aborted\n";
  if (record.judged && record.selfTestPassed == 0) out << "self test: " << record.selfTestText << "\n";
  out << "compared nodes: " << r.comparedNodes << "\n" << "mean drift: " << SignedFixed(r.meanDrift) << "\n";
  if (r.largestDrift) out << "largest drift: " << DriftText(*r.largestDrift) << "\n";
  out << "drifted nodes: " << r.drifted.size() << "\n";
  for (std::size_t i = 0; i < r.drifted.size() && i < kDriftedNodesShown; ++i)
    out << "  " << DriftText(r.drifted[i]) << "\n";
  if (r.drifted.size() > kDriftedNodesShown) out << "  ... and " << r.drifted.size() - kDriftedNodesShown << " more\n";
  out << "verification: " << (record.passed() ? "PASS" : "FAIL") << "\n";
}

VerificationRecord Verify(Tester& tester, const RunOutcome& outcome, const std::vector<ReferenceNode>& reference,
                          const VerifyOptions& options, const ReferenceTolerance& tolerance,
                          const GlobalOptions& global) {
  VerificationRecord record;
  record.time = RecordTimeText(CurrentLocalDateTime());
  record.station = global.station.empty() ? HostName() : global.station;
  record.referenceFile = options.reference;
  record.referenceSha256 = FileSha256Hex(options.reference).value_or(std::string());
  record.tolerance = ReferenceToleranceText(tolerance);
  record.judged = outcome.judged;
  record.selfTestPassed = tester.state().run.selfTestPassed;
  record.selfTestText = tester.state().run.selfTestText;
  if (outcome.judged) record.result = CompareWithReference(reference, tester.state().run.measuredValues, tolerance);
  return record;
}

}  // namespace

int RunVerifyCommand(CommandContext& context) {
  VerifyOptions options;
  ReferenceTolerance tolerance;
  std::string error = ParseVerifyOptions(context.arguments, options);
  if (error.empty()) error = ResolveReference(context.global, options, tolerance);
  if (!error.empty()) {
    context.err << "verify: " << error << "\n";
    return kExitUsage;
  }
  Session session(context.global, context.out, context.err);
  if (!session.valid()) {
    context.err << "vn4820-cli: " << session.error() << "\n";
    return kExitUsage;
  }
  session.SetLogStream(nullptr);
  Tester& tester = session.tester();
  if (!options.configFile.empty() && !LoadConfiguration(session, options.configFile)) return kExitUsage;
  const ReferenceLoad reference = LoadReferenceNodes(options.reference, tester.state().testParameters);
  if (!reference.ok) {
    context.err << "verify: " << reference.error << "\n";
    return kExitFailed;
  }
  tester.state().sheetType = options.sheetType;
  if (const int connected = session.Connect(); connected != kExitOk) return connected;
  tester.ConfirmCriterion(0);

  const RunOutcome outcome = tester.RunTest();
  const VerificationRecord record = Verify(tester, outcome, reference.nodes, options, tolerance, context.global);
  PrintResult(context.out, record);
  const std::string path = VerificationsPath(context.global.workdir);
  if (!AppendVerificationRecord(path, record).written) {
    // Unrecorded, a pass proves nothing to the station's policy.
    context.err << "verify: cannot record the verification in " << path << "\n";
    return outcome.judged ? kExitFailed : kExitBoard;
  }
  context.out << "record: " << path << "\n";
  if (!outcome.judged) return kExitBoard;
  return record.passed() ? kExitOk : kExitFailed;
}

}  // namespace vn::cli
