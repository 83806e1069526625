// Marginal nodes through the CLI: a film whose values creep towards the VA
// maximum shows marginal nodes on passing films before the first NG, in the
// --json lines, in the records and in the report.
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

class MarginalCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = test::FreshFolder("marginal-cli"); }
  void TearDown() override { fs::remove_all(dir); }

  // The production answer deadline: these films are healthy exchanges.
  std::vector<std::string> Args(const std::string& profile, std::vector<std::string> command) const {
    return test::StationArgs(dir, profile, {"--results", (dir / "results").string()}, command);
  }
  void WriteStationFile(const std::string& text) const {
    fs::create_directories(dir / "Config");
    std::ofstream(dir / "Config" / "Station.ini") << text;
  }
  static std::vector<json> Films(const std::string& out) {
    std::vector<json> films;
    for (const std::string& line : test::TextLines(out))
      if (!line.empty() && line.front() == '{') films.push_back(json::parse(line));
    return films;
  }

  fs::path dir;
};

TEST_F(MarginalCommandTest, CreepingFilmsTurnMarginalBeforeTheFirstNg) {
  const CliResult run = RunCli(Args("creep-high", {"test", "--count", "24", "--margin", "pct:10", "--json"}));
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::vector<json> films = Films(run.out);
  ASSERT_EQ(films.size(), 24u);
  std::optional<std::size_t> firstMarginal, firstNg;
  for (std::size_t i = 0; i < films.size(); ++i) {
    if (!firstNg && films[i]["verdict"] == "NG") firstNg = i;
    if (!firstMarginal && films[i]["verdict"] == "PASS" && !films[i]["marginalNodes"].empty()) firstMarginal = i;
  }
  ASSERT_TRUE(firstMarginal) << "no passing film had marginal nodes";
  ASSERT_TRUE(firstNg) << "the creep never reached the limit";
  EXPECT_LT(*firstMarginal, *firstNg);
  EXPECT_GE(*firstNg - *firstMarginal, 5u) << "the warning should come several films ahead";
  EXPECT_TRUE(films.front()["marginalNodes"].empty());

  const CliResult report = RunCli({"report", (dir / "results").string()});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_NE(report.out.find("marginal rate: "), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("nodes most often marginal:\n  X "), std::string::npos) << report.out;
  const std::string html = test::FileText(dir / "results" / "report.html");
  EXPECT_NE(html.find("<th>marginal</th>"), std::string::npos);
  EXPECT_NE(html.find("Nodes most often marginal"), std::string::npos);
}

TEST_F(MarginalCommandTest, RecordsCarryTheMarginalNodesWithTheirLimits) {
  ASSERT_EQ(RunCli(Args("creep-high", {"test", "--count", "15", "--margin", "abs:1500"})).exitCode, 0);
  std::string jsonl;
  for (const auto& entry : fs::directory_iterator(dir / "results"))
    if (entry.path().extension() == ".jsonl") jsonl = test::FileText(entry.path());
  const std::vector<std::string> lines = test::TextLines(jsonl);
  ASSERT_EQ(lines.size(), 15u);
  const json last = json::parse(lines.back());
  EXPECT_EQ(last["margin"], "abs:1500");
  ASSERT_GT(last["marginalNodeCount"].get<int>(), 0);
  EXPECT_EQ(last["marginalNodeCount"].get<std::size_t>(), last["marginalNodes"].size());
  for (const json& node : last["marginalNodes"]) {
    EXPECT_EQ(node["upper"], 28000);
    EXPECT_GE(node["value"].get<int>(), 28000 - 1500);
    EXPECT_LE(node["value"].get<int>(), 28000);
  }
}

TEST_F(MarginalCommandTest, StationFileSetsTheMarginAndTheOptionWins) {
  WriteStationFile("[Station]\nMargin=pct:10\n");
  const std::vector<json> station = Films(RunCli(Args("creep-high", {"test", "--count", "16", "--json"})).out);
  ASSERT_EQ(station.size(), 16u);
  EXPECT_FALSE(station.back()["marginalNodes"].empty());
  const std::vector<json> off = Films(RunCli(Args("good", {"test", "--margin", "off", "--json"})).out);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_FALSE(off.front().contains("marginalNodes"));
}

TEST_F(MarginalCommandTest, WithoutAMarginNothingNewAppears) {
  ASSERT_EQ(RunCli(Args("good", {"test", "--count", "2"})).exitCode, 0);
  const CliResult json = RunCli(Args("good", {"test", "--json"}));
  EXPECT_EQ(json.out.find("\"margin"), std::string::npos);
  for (const auto& entry : fs::directory_iterator(dir / "results"))
    EXPECT_EQ(test::FileText(entry.path()).find("\"margin"), std::string::npos) << entry.path();
  const CliResult report = RunCli({"report", (dir / "results").string()});
  const std::string html = test::FileText(dir / "results" / "report.html");
  for (const char* added : {"marginal rate", "often marginal", " marginal "}) {
    SCOPED_TRACE(added);
    EXPECT_EQ(report.out.find(added), std::string::npos) << report.out;
  }
  for (const char* added : {"marginal rate", "often marginal", "<th>marginal"}) {
    SCOPED_TRACE(added);
    EXPECT_EQ(html.find(added), std::string::npos);
  }
}

TEST_F(MarginalCommandTest, UnreadableMarginsAreUsageErrors) {
  const CliResult option = RunCli(Args("good", {"test", "--margin", "pct:80"}));
  EXPECT_EQ(option.exitCode, 2);
  EXPECT_NE(option.err.find("--margin needs pct:N"), std::string::npos) << option.err;
  WriteStationFile("[Station]\nMargin=ten percent\n");
  const CliResult station = RunCli(Args("good", {"test"}));
  EXPECT_EQ(station.exitCode, 2);
  EXPECT_NE(station.err.find("Station.ini: Margin must be"), std::string::npos) << station.err;
}

}  // namespace
}  // namespace vn
