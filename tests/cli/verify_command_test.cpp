// "verify" and the policy "verification required every N hours": a reference
// film captured on the good board verifies on it and fails on a board whose
// every node reads 1200 higher, although that board still passes production.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_run.h"
#include "results/results_folder.h"

namespace vn {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using test::CliResult;
using test::RunCli;

class VerifyCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::FreshFolder("verify-cli");
    const CliResult captured = Run("good", {"sample", "capture"});
    ASSERT_EQ(captured.exitCode, 0) << captured.err;
    reference = test::TextLines(captured.out).back();
    ASSERT_TRUE(fs::exists(reference)) << captured.out;
  }
  void TearDown() override { fs::remove_all(dir); }

  CliResult Run(const std::string& profile, std::vector<std::string> command) const {
    return RunCli(test::StationArgs(dir, profile, {"--station", "line-3"}, command));
  }
  void WriteStationFile(const std::string& text) const {
    fs::create_directories(dir / "Config");
    std::ofstream(dir / "Config" / "Station.ini") << text;
  }
  std::vector<json> Records() const {
    std::vector<json> records;
    for (const std::string& line : test::TextLines(test::FileText(dir / "Config" / "verifications.jsonl")))
      records.push_back(json::parse(line));
    return records;
  }

  fs::path dir;
  std::string reference;
};

TEST_F(VerifyCommandTest, TheGoodBoardVerifiesAndIsRecorded) {
  const CliResult run = Run("good", {"verify", "--reference", reference, "--tolerance", "abs:200"});
  EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
  EXPECT_NE(run.out.find("compared nodes: 1664\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("drifted nodes: 0\nverification: PASS\n"), std::string::npos) << run.out;
  const std::vector<json> records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]["passed"], true);
  EXPECT_EQ(records[0]["station"], "line-3");
  EXPECT_EQ(records[0]["referenceFile"], reference);
  EXPECT_EQ(records[0]["referenceSha256"].get<std::string>().size(), 64u);
  EXPECT_EQ(records[0]["tolerance"], "abs:200");
  EXPECT_EQ(records[0]["driftedNodeCount"], 0);
}

TEST_F(VerifyCommandTest, ADriftedBoardPassesProductionButFailsVerification) {
  EXPECT_EQ(Run("drifted", {"test"}).exitCode, 0) << "the drift stays inside the production limits";
  const CliResult run = Run("drifted", {"verify", "--reference", reference, "--tolerance", "abs:300"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("drifted nodes: 1664\n  X 0 Y 0 (VA): reference "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  ... and 1644 more\nverification: FAIL\n"), std::string::npos) << run.out;
  const std::vector<json> records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]["passed"], false);
  ASSERT_EQ(records[0]["driftedNodes"].size(), 1664u);
  for (const json& node : records[0]["driftedNodes"]) {
    EXPECT_GE(node["drift"].get<int>(), 1200 - 80);
    EXPECT_LE(node["drift"].get<int>(), 1200 + 80);
    EXPECT_EQ(node["measured"].get<int>() - node["reference"].get<int>(), node["drift"].get<int>());
  }
  EXPECT_NEAR(records[0]["meanDrift"].get<double>(), 1200, 10);
  // A tolerance wide enough for the drift lets the same board through.
  EXPECT_EQ(Run("drifted", {"verify", "--reference", reference, "--tolerance", "pct:10"}).exitCode, 0);
}

TEST_F(VerifyCommandTest, TheStationFileNamesTheReferenceAndTheTolerance) {
  WriteStationFile("[Station]\nReferenceSample=" + reference + "\nReferenceTolerance=pct:1\n");
  const CliResult run = Run("good", {"verify"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("tolerance: pct:1\n"), std::string::npos) << run.out;
}

TEST_F(VerifyCommandTest, UsageAndFileErrors) {
  const struct {
    std::vector<std::string> command;
    int exitCode;
    std::string message;
  } cases[] = {
      {{"verify", "--tolerance", "abs:200"}, 2, "verify: needs --reference FILE"},
      {{"verify", "--reference", "x.ini"}, 2, "verify: needs --tolerance"},
      {{"verify", "--reference", "x.ini", "--tolerance", "abs:0"}, 2, "verify: the tolerance must be abs:N"},
      {{"verify", "--reference", "x.ini", "--tolerance", "pct:101"}, 2, "verify: the tolerance must be abs:N"},
      {{"verify", "--reference", "x.ini", "--tolerance", "abs:5", "--json"}, 2, "verify: unknown option '--json'"},
      {{"verify", "--reference", "missing.ini", "--tolerance", "abs:5"}, 1,
       "verify: the reference sample missing.ini does not exist"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult run = Run("good", c.command);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(dir / "Config" / "verifications.jsonl")) << "nothing was verified";
}

TEST_F(VerifyCommandTest, TestRefusesFilmsWhileAVerificationIsDue) {
  WriteStationFile("[Station]\nVerificationIntervalHours=8\n");
  const CliResult none = Run("good", {"test"});
  EXPECT_EQ(none.exitCode, 4);
  EXPECT_NE(none.err.find("test: reference verification is due: no reference verification has passed yet"),
            std::string::npos)
      << none.err;
  EXPECT_EQ(none.out.find("verdict"), std::string::npos) << "no film was tested";

  EXPECT_EQ(Run("drifted", {"verify", "--reference", reference, "--tolerance", "abs:300"}).exitCode, 1);
  EXPECT_EQ(Run("good", {"test"}).exitCode, 4) << "a failed verification proves nothing";

  ASSERT_EQ(Run("good", {"verify", "--reference", reference, "--tolerance", "abs:300"}).exitCode, 0);
  const CliResult verified = Run("good", {"test"});
  EXPECT_EQ(verified.exitCode, 0) << verified.err;
  EXPECT_NE(verified.out.find("verdict: PASS"), std::string::npos);
}

TEST_F(VerifyCommandTest, AnOldOrFutureVerificationIsDue) {
  WriteStationFile("[Station]\nVerificationIntervalHours=8\n");
  const struct {
    const char* time;
    const char* reason;
  } cases[] = {
      {"2020-01-01 08:00:00", "the last passed reference verification, 2020-01-01 08:00:00, is more than 8 h old"},
      {"2999-01-01 08:00:00", "2999-01-01 08:00:00, lies after the clock's time now"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.time);
    std::ofstream(dir / "Config" / "verifications.jsonl")
        << R"({"time":")" << c.time << R"(","passed":true})" << "\nnot a record\n";
    const CliResult run = Run("good", {"test"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace vn
