// "repeat": the spread of one film's node values over repeated runs; a
// fixture with one noisy X column shows that column first.
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

class RepeatCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = test::FreshFolder("repeat-cli"); }
  void TearDown() override { fs::remove_all(dir); }
  std::vector<std::string> Args(const std::string& profile, std::vector<std::string> command) const {
    return test::StationArgs(dir, profile, {"--results", (dir / "results").string()}, command);
  }
  fs::path dir;
};

TEST_F(RepeatCommandTest, NoisyColumnLeadsTheWorstNodesAndTheColumns) {
  const CliResult run = RunCli(Args("noisy-x7", {"repeat", "--count", "10"}));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> lines = test::TextLines(run.out);
  const auto worst = std::find(lines.begin(), lines.end(), "worst nodes:");
  ASSERT_NE(worst, lines.end()) << run.out;
  for (int i = 1; i <= 10; ++i) {
    ASSERT_LT(worst + i, lines.end());
    EXPECT_EQ((worst + i)->rfind("  X 7 Y ", 0), 0u) << *(worst + i);
  }
  const auto columns = std::find(lines.begin(), lines.end(), "noisiest X columns (mean std):");
  ASSERT_NE(columns, lines.end());
  ASSERT_LT(columns + 2, lines.end());
  EXPECT_EQ((columns + 1)->rfind("  X 7: ", 0), 0u) << *(columns + 1);
  EXPECT_EQ(std::stod((columns + 1)->substr(7)) > 5 * std::stod((columns + 2)->substr((columns + 2)->find(": ") + 2)),
            true)
      << run.out;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "runs: 10"), lines.end());
  EXPECT_EQ(run.out.find("verdict"), std::string::npos) << "nothing is judged as production";
  EXPECT_FALSE(fs::exists(dir / "results")) << "nothing is recorded";

  const std::string html = test::FileText(dir / "repeat.html");
  ASSERT_FALSE(html.empty());
  std::smatch match;
  ASSERT_TRUE(std::regex_search(html, match, std::regex(R"re(data-x="7" data-y="3" data-std="([0-9.]+)")re")));
  const double noisy = std::stod(match[1]);
  ASSERT_TRUE(std::regex_search(html, match, std::regex(R"re(data-x="8" data-y="3" data-std="([0-9.]+)")re")));
  EXPECT_GT(noisy, 5 * std::stod(match[1]));
  EXPECT_NE(html.find("<title>X 7 Y 3: mean "), std::string::npos);
}

TEST_F(RepeatCommandTest, AGoodFixtureIsQuietEverywhere) {
  const std::string html = (dir / "noise.html").string();
  const CliResult run = RunCli(Args("good", {"repeat", "--count", "10", "--html", html}));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(run.out, match, std::regex(R"re(highest ([0-9.]+) \(X)re"))) << run.out;
  EXPECT_LT(std::stod(match[1]), 60.0) << "the good film's noise is +-40";
  EXPECT_NE(run.out.find("repeat: " + html), std::string::npos);
  EXPECT_TRUE(fs::exists(html));
}

TEST_F(RepeatCommandTest, TooFewRunsOrUnknownOptionsAreUsageErrors) {
  const struct {
    std::vector<std::string> command;
    const char* message;
  } cases[] = {
      {{"repeat"}, "repeat: needs --count N"},
      {{"repeat", "--count", "9"}, "repeat: --count needs a number of runs from 10"},
      {{"repeat", "--count", "ten"}, "repeat: --count needs a number of runs from 10"},
      {{"repeat", "--count", "10", "--json"}, "repeat: unknown option '--json'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult run = RunCli(Args("good", c.command));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace vn
