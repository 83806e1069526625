// "report --config FILE [--golden SAMPLE]": the process trends of recorded
// films; without a configuration the report is what it always was.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "cli_run.h"
#include "results/results_folder.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

using test::CliResult;
using test::RunCli;

class TrendReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::FreshFolder("trend-cli");
    results = (dir / "results").string();
    config = (dir / "film.cfg").string();
    ASSERT_EQ(RunCli({"config", "default", config}).exitCode, 0);
    const CliResult captured = RunCli(Args("good", {"sample", "capture"}));
    ASSERT_EQ(captured.exitCode, 0) << captured.err;
    golden = test::TextLines(captured.out).back();
    ASSERT_EQ(RunCli(Args("creep-high", {"--results", results, "test", "--count", "12"})).exitCode, 0);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::vector<std::string> Args(const std::string& profile, std::vector<std::string> rest) const {
    std::vector<std::string> args = {"--simulate=" + profile, "--workdir", dir.string(), "--sample-dir",
                                     (dir / "samples").string()};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  }
  fs::path dir;
  std::string results, config, golden;
};

TEST_F(TrendReportTest, TrendsCapabilityAndTheShiftFromTheGoldenSample) {
  const CliResult report = RunCli({"report", results, "--config", config, "--golden", golden});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_NE(report.out.find("process trends: 12 judged films\nCpk of the VA mean by day:\n  "), std::string::npos)
      << report.out;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(report.out, match, std::regex(R"(films 12  VA mean ([0-9.]+)  Cpk ([0-9.]+))")))
      << report.out;
  EXPECT_NEAR(std::stod(match[1]), 23500 + 550, 150) << "the good film's mean plus half the creep of 11 films";
  // The creep of 0..1100 over the films gives an average shift of 550 at every node.
  ASSERT_TRUE(std::regex_search(report.out, match,
                                std::regex(R"(largest mean shifts from the golden sample:\n  X \d+ Y \d+: \+([0-9.]+))")))
      << report.out;
  EXPECT_NEAR(std::stod(match[1]), 550, 100);

  const std::string html = test::FileText(dir / "results" / "report.html");
  EXPECT_NE(html.find("<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"trend\""), std::string::npos);
  EXPECT_NE(html.find("VA max 28000"), std::string::npos);
  EXPECT_NE(html.find("<h2>Cpk of the VA mean by day</h2>"), std::string::npos);
  ASSERT_TRUE(std::regex_search(html, match, std::regex(R"re(data-x="3" data-y="4" data-shift="([-0-9.]+)")re")));
  EXPECT_NEAR(std::stod(match[1]), 550, 100);
}

TEST_F(TrendReportTest, WithoutAConfigurationThereAreNoTrends) {
  const CliResult report = RunCli({"report", results});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_EQ(report.out.find("process trends"), std::string::npos);
  EXPECT_EQ(test::FileText(dir / "results" / "report.html").find("Process trends"), std::string::npos);
}

TEST_F(TrendReportTest, RefusedOptions) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"report", "R", "--golden", "g.ini"}, "report: --golden needs --config FILE"},
      {{"report", "R", "--config", "missing.cfg"}, "report: "},
      {{"report", "R", "--config", "C", "--golden", "missing.ini"}, "does not exist"},
  };
  for (auto c : cases) {
    SCOPED_TRACE(c.message);
    for (std::string& arg : c.args) {
      if (arg == "R") arg = results;
      if (arg == "C") arg = config;
    }
    const CliResult report = RunCli(c.args);
    EXPECT_EQ(report.exitCode, 2);
    EXPECT_NE(report.err.find(c.message), std::string::npos) << report.err;
  }
}

}  // namespace
}  // namespace vn
