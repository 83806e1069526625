#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/cli.h"
#include "support/sim_fixture.h"
#include "config/config_file.h"
#include "platform/atomic_file.h"
#include "platform/profile_document.h"

namespace vn {
namespace {

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

std::string LastLine(const std::string& text) {
  std::istringstream in(text);
  std::string last;
  for (std::string line; std::getline(in, line);) last = line;
  return last;
}

class SampleCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::TestFolderPath("sample-cli");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }

  // Runs with the simulated board of the given profile and the test's folders.
  CliResult Run(const std::string& profile, std::initializer_list<std::string> command) const {
    std::vector<std::string> args = {"--simulate=" + profile, "--workdir", dir.string(), "--sample-dir",
                                     Path("samples")};
    args.insert(args.end(), command);
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
  }

  // Captures the good film and returns the sample's path.
  std::string Capture(std::initializer_list<std::string> options = {}) const {
    std::vector<std::string> command = {"sample", "capture"};
    command.insert(command.end(), options);
    std::vector<std::string> args = {"--simulate=good", "--workdir", dir.string(), "--sample-dir", Path("samples")};
    args.insert(args.end(), command.begin(), command.end());
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run(args, out, err), 0) << err.str();
    return LastLine(out.str());
  }

  static std::string Key(const std::string& path, const std::string& section, const std::string& key) {
    return ProfileDocument::Load(path).document.ReadString(section, key);
  }

  std::filesystem::path dir;
};

TEST_F(SampleCommandTest, CaptureWritesTheFilmIntoTheSampleWorkDirectory) {
  const std::string sample = Capture();
  EXPECT_EQ(std::filesystem::path(sample).parent_path(), dir / "samples");
  EXPECT_TRUE(std::regex_match(std::filesystem::path(sample).filename().string(), std::regex(R"(\d{14}\.ini)")))
      << sample;
  EXPECT_EQ(Key(sample, "Sample_Configuration", "Source"), "1");
  EXPECT_EQ(Key(sample, "Sample_Configuration", "x_channel_valid"), "32");
  EXPECT_EQ(Key(sample, "Sample_Context", "Y51").size(), 32u * 6) << "a full row of 32 tokens";
}

TEST_F(SampleCommandTest, CaptureFollowsTheConfiguration) {
  TestParameters small;
  small.x_channel_valid = 4;
  small.y_channel_valid = 3;
  ASSERT_TRUE(WriteConfigFile(Path("small.txt"), small).ok());
  const std::string sample = Capture({"--config", Path("small.txt")});
  EXPECT_EQ(Key(sample, "Sample_Configuration", "x_channel_valid"), "4");
  EXPECT_EQ(Key(sample, "Sample_Context", "Y2").size(), 4u * 6);
  EXPECT_FALSE(ProfileDocument::Load(sample).document.HasKey("Sample_Context", "Y3"));
}

TEST_F(SampleCommandTest, AverageOfThreeSamplesAndNoFewer) {
  const std::vector<std::string> samples = {Capture(), Capture(), Capture()};
  EXPECT_NE(samples[0], samples[1]);
  EXPECT_NE(samples[1], samples[2]) << "samples of the same second keep their own files";

  const CliResult average = Run("good", {"sample", "average", samples[0], samples[1], samples[2]});
  ASSERT_EQ(average.exitCode, 0) << average.err;
  const std::string written = LastLine(average.out);
  EXPECT_EQ(std::filesystem::path(written).parent_path(), dir / "samples");
  EXPECT_EQ(Key(written, "Sample_Configuration", "Source"), "3");

  const CliResult two = Run("good", {"sample", "average", samples[0], samples[1]});
  EXPECT_EQ(two.exitCode, 1);
  EXPECT_NE(two.err.find("请先在“□”打钩选中至少3个样本，再点击“生成平均样本”"), std::string::npos) << two.err;
}

TEST_F(SampleCommandTest, LimitsAreWrittenUnderTheWorkDirectory) {
  const std::string sample = Capture();
  const CliResult r = Run("good", {"sample", "limits", sample, "--deviation", "abs:500:800"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string low = Path("Config/SampleRawDataLow.ini");
  const std::string high = Path("Config/SampleRawDataHigh.ini");
  EXPECT_EQ(LastLine(r.out), high);
  const int value = std::stoi(Key(sample, "Sample_Context", "Y0").substr(0, 5));
  EXPECT_EQ(std::stoi(Key(low, "Sample_Context", "Y0").substr(0, 5)), value - 500);
  EXPECT_EQ(std::stoi(Key(high, "Sample_Context", "Y0").substr(0, 5)), value + 800);
  EXPECT_EQ(Key(low, "Sample_Context", "Y51").size(), 32u * 6);
}

TEST_F(SampleCommandTest, TestJudgesAgainstTheSample) {
  const std::string sample = Capture();
  struct Case {
    const char* profile;
    int exitCode;
    const char* verdict;
  };
  const Case cases[] = {{"good", 0, "verdict: PASS"}, {"open-node", 1, "verdict: NG"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    const CliResult r =
        Run(c.profile, {"test", "--criterion", "sample", "--sample", sample, "--deviation", "abs:500:800"});
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(LastLine(r.out), c.verdict);
  }
}

TEST_F(SampleCommandTest, RefusedFilesAndUsageErrors) {
  const std::string missing = Path("missing.ini");
  struct Case {
    const char* name;
    std::initializer_list<std::string> command;
    int exitCode;
  };
  const Case cases[] = {
      {"no subcommand", {"sample"}, 2},
      {"unknown subcommand", {"sample", "frob"}, 2},
      {"unknown option", {"sample", "capture", "--frob"}, 2},
      {"capture with a file", {"sample", "capture", missing}, 2},
      {"limits without deviation", {"sample", "limits", missing}, 2},
      {"limits without file", {"sample", "limits", "--deviation", "abs:1:2"}, 2},
      {"absolute below out of range", {"sample", "limits", missing, "--deviation", "abs:20001:0"}, 2},
      {"percentage out of range", {"sample", "limits", missing, "--deviation", "pct:10:101"}, 2},
      {"unknown method", {"sample", "limits", missing, "--deviation", "rel:1:1"}, 2},
      {"test without the sample", {"test", "--criterion", "sample", "--deviation", "pct:1:1"}, 2},
      {"test without the deviation", {"test", "--criterion", "sample", "--sample", missing}, 2},
      {"limits of a missing sample", {"sample", "limits", missing, "--deviation", "pct:10:10"}, 1},
      {"average with a missing sample", {"sample", "average", missing, missing, missing}, 1},
      {"test against a missing sample",
       {"test", "--criterion", "sample", "--sample", missing, "--deviation", "abs:1:1"}, 1},
      {"capture with a missing configuration", {"sample", "capture", "--config", missing}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run("good", c.command).exitCode, c.exitCode);
  }
  EXPECT_FALSE(std::filesystem::exists(Path("Config/SampleRawDataLow.ini")));
}

TEST_F(SampleCommandTest, CaptureOnARefusedControllerIsABoardError) {
  const CliResult r = Run("matrix-32x51", {"sample", "capture"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(std::filesystem::is_empty(dir / "samples"));
}

}  // namespace
}  // namespace vn
