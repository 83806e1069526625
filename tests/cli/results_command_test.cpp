#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "support/sim_fixture.h"
#include "platform/atomic_file.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

CliResult RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The one file of the folder whose name ends so (records are named by today's date).
std::string OnlyFile(const fs::path& dir, const std::string& ending) {
  std::string found;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0) {
      EXPECT_TRUE(found.empty()) << "more than one " << ending;
      found = entry.path().string();
    }
  }
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(found, bytes)) << ending;
  return bytes;
}

class ResultsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::TestFolderPath("results-cli");
    fs::remove_all(dir);
    fs::create_directories(dir);
    results = (dir / "results").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  std::vector<std::string> Global(const std::string& profile) const {
    return {"--simulate=" + profile, "--workdir", dir.string(), "--sample-dir", (dir / "samples").string(),
            "--results", results};
  }

  fs::path dir;
  std::string results;
};

TEST_F(ResultsCommandTest, OpenNodeFilmsThenReportNamesTheNode) {
  const CliResult tested = RunCli([&] {
    auto args = Global("open-node");
    args.insert(args.end(), {"test", "--count", "5"});
    return args;
  }());
  EXPECT_EQ(tested.exitCode, 1) << tested.err;
  const CliResult report = RunCli({"report", results});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  const auto lines = Lines(report.out);
  for (const char* line : {"films: 5", "PASS: 0", "NG: 5", "yield: 0.00%", "  VA out of range: 5"}) {
    SCOPED_TRACE(line);
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << report.out;
  }
  const auto nodes = std::find(lines.begin(), lines.end(), "nodes that failed most:");
  ASSERT_NE(nodes, lines.end());
  ASSERT_NE(nodes + 1, lines.end());
  EXPECT_EQ(*(nodes + 1), "  X 5 Y 7: 5");
  std::string html;
  ASSERT_TRUE(ReadWholeFile((fs::path(results) / "report.html").string(), html));
  EXPECT_NE(html.find("data-x=\"5\" data-y=\"7\" data-count=\"5\""), std::string::npos);
}

TEST_F(ResultsCommandTest, StationSerialAndVerdictInTheRecords) {
  auto args = Global("short-gnd-x3");
  args.insert(args.end(), {"--station", "line 4", "--serial", "SN,77", "test", "--json"});
  const CliResult r = RunCli(args);
  EXPECT_EQ(r.exitCode, 1) << r.err;
  const std::string csv = OnlyFile(results, ".csv");
  EXPECT_NE(csv.find(",line 4,"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",\"SN,77\","), std::string::npos) << csv;
  const nlohmann::json record = nlohmann::json::parse(OnlyFile(results, ".jsonl"));
  EXPECT_EQ(record["station"], "line 4");
  EXPECT_EQ(record["serial"], "SN,77");
  EXPECT_EQ(record["selfTestPassed"], 0);
  EXPECT_EQ(record["faultX"], 3);
}

TEST_F(ResultsCommandTest, WithoutResultsNothingIsRecorded) {
  const CliResult r = RunCli({"--simulate", "--workdir", dir.string(), "test"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_FALSE(fs::exists(results));
}

TEST_F(ResultsCommandTest, UnwritableResultsFolderDoesNotStopTheTest) {
  ASSERT_TRUE(WriteFileAtomically(results, "a file, not a folder"));
  auto args = Global("good");
  args.insert(args.end(), {"test", "--count", "2"});
  const CliResult r = RunCli(args);
  EXPECT_EQ(r.exitCode, 0) << "the films passed";
  EXPECT_NE(r.out.find("测试结果记录失败：" + results), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("cannot record the film"), std::string::npos);
}

TEST_F(ResultsCommandTest, ReportUsageAndFolderErrors) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {"no folder", {"report"}, 2},
      {"bad from", {"report", "DIR", "--from", "2024-5-1"}, 2},
      {"bad to", {"report", "DIR", "--to", "2024-02-30"}, 2},
      {"from after to", {"report", "DIR", "--from", "2024-05-02", "--to", "2024-05-01"}, 2},
      {"unknown option", {"report", "DIR", "--json"}, 2},
      {"missing folder", {"report", "DIR/missing"}, 1},
      {"global option missing its value", {"--results"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    for (std::string& arg : args)
      if (arg.rfind("DIR", 0) == 0) arg.replace(0, 3, dir.string());
    EXPECT_EQ(RunCli(args).exitCode, c.exitCode);
  }
}

TEST_F(ResultsCommandTest, ReportOfAnEmptyRange) {
  auto args = Global("good");
  args.push_back("test");
  ASSERT_EQ(RunCli(args).exitCode, 0);
  const CliResult r = RunCli({"report", results, "--to", "2000-01-01"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("films: 0\n"), std::string::npos);
  EXPECT_TRUE(fs::exists(fs::path(results) / "report.html"));
}

}  // namespace
}  // namespace vn
