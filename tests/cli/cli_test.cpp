#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "platform/atomic_file.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

CliResult RunCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> OutputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::TestFolderPath("cli");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::vector<std::string> Global() const {
    return {"--simulate", "--workdir", dir.string(), "--sample-dir", Path("samples")};
  }
  std::vector<std::string> With(std::vector<std::string> head, std::initializer_list<std::string> tail) const {
    head.insert(head.end(), tail);
    return head;
  }

  std::filesystem::path dir;
};

TEST_F(CliTest, InfoPrintsTheControllerAndItsObjectTable) {
  const CliResult r = RunCli(With(Global(), {"info"}));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const auto lines = OutputLines(r.out);
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[0], "board: /dev/hidraw-sim2 vendor 0x03EB product 0x212C release 0x1032");
  EXPECT_EQ(lines[1].rfind("USB连接正常 (", 0), 0u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "version: 2.1"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "matrix: 32 x 52"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "pages: 26"), lines.end());
  EXPECT_NE(r.out.find("   37  0x0100  130"), std::string::npos);
  EXPECT_NE(r.err.find("simulated test board"), std::string::npos) << "the simulated board is never used silently";
}

TEST_F(CliTest, InfoRefusesAControllerWithTheWrongMatrix) {
  const CliResult r = RunCli({"--simulate=matrix-32x51", "info"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_NE(r.out.find("USB异常，请重新连接USB电缆"), std::string::npos);
}

TEST_F(CliTest, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"--simulate=no-such-profile", "info"},
      {"--simulate", "test", "--count", "0"},
      {"--simulate", "test", "--diff", "1:2:3"},
      {"--simulate", "test", "--sheet", "2"},
      {"--timeout-ms", "x", "info"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    EXPECT_EQ(RunCli(args).exitCode, 2);
  }
}

TEST_F(CliTest, TestVerdictsAndExitCodes) {
  struct Case {
    const char* profile;
    int exitCode;
    const char* verdict;
  } cases[] = {{"good", 0, "verdict: PASS"}, {"open-node", 1, "verdict: NG"}, {"short-gnd-x3", 1, "verdict: NG"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    const CliResult r = RunCli({std::string("--simulate=") + c.profile, "test"});
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    const auto lines = OutputLines(r.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.verdict);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "P25backup"), lines.end());
  }
}

TEST_F(CliTest, JsonRecordPerFilm) {
  const CliResult r = RunCli({"--simulate=open-node", "test", "--count", "2", "--json"});
  EXPECT_EQ(r.exitCode, 1);
  const auto lines = OutputLines(r.out);
  ASSERT_EQ(lines.size(), 2u) << "only the records, no log lines";
  const nlohmann::json second = nlohmann::json::parse(lines[1]);
  EXPECT_EQ(second["verdict"], "NG");
  EXPECT_EQ(second["filmNg"], 1);
  EXPECT_EQ(second["selfTestPassed"], 1);
  EXPECT_EQ(second["ngCount"], 2);
  EXPECT_EQ(second["measured"].size(), 1664u);
  EXPECT_EQ(second["measured"][52 * 5 + 7], 1200);
  EXPECT_EQ(second["failingNodes"], nlohmann::json::parse("[[5,7]]"));
  for (const char* key : {"differenceNg", "selfTestText", "selfTestFaultX", "selfTestFaultY", "okCount",
                          "yieldPercent", "elapsedSeconds"})
    EXPECT_TRUE(second.contains(key)) << key;
}

// The output reports a good batch of count films sends, connection included.
std::size_t ReportsSent(int count) {
  const CliResult r = RunCli({"--simulate", "--trace", "test", "--count", std::to_string(count)});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::size_t sent = 0;
  for (const std::string& line : OutputLines(r.err)) sent += line.rfind("> ", 0) == 0;
  return sent;
}

std::vector<std::string> Verdicts(const std::string& out) {
  std::vector<std::string> verdicts;
  for (const std::string& line : OutputLines(out))
    if (line.rfind("verdict: ", 0) == 0) verdicts.push_back(line.substr(9));
  return verdicts;
}

// A film the board did not finish ends with exit 3, but a batch goes on as
// soon as the board answers again.
TEST_F(CliTest, BatchGoesOnOnceTheBoardAnswersAgain) {
  const std::size_t connectionAndOneFilm = ReportsSent(1);
  const std::size_t secondFilmTenth = connectionAndOneFilm + 10;
  struct Case {
    const char* name;
    std::string profile;
    int count;
    std::vector<std::string> verdicts;
    const char* lastLine;  // what the CLI says last on stderr
  } cases[] = {
      {"an answer lost in film 2", "board_fault = " + std::to_string(secondFilmTenth) + " drop-answer", 3,
       {"PASS", "NG", "PASS"}, "vn4820-cli: film 2 of 3 aborted; reconnecting the test board"},
      {"the board pulled in film 2", "board_fault = " + std::to_string(secondFilmTenth) + " remove", 3,
       {"PASS", "NG"}, "vn4820-cli: batch stopped after film 2 of 3"},
      {"a controller that never ends its self test", "self_test_never_ends = 1", 4, {"NG", "NG", "NG"},
       "vn4820-cli: 3 films in a row aborted; batch stopped after film 3 of 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string profile = Path("board.profile");
    ASSERT_TRUE(WriteFileAtomically(profile, c.profile + "\n"));
    const CliResult r = RunCli({"--simulate=" + profile, "test", "--count", std::to_string(c.count)});
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_EQ(Verdicts(r.out), c.verdicts) << r.err;
    const auto errLines = OutputLines(r.err);
    ASSERT_FALSE(errLines.empty());
    EXPECT_EQ(errLines.back(), c.lastLine);
  }
}

TEST_F(CliTest, DifferenceCriterionFromTheCommandLine) {
  const CliResult pass = RunCli({"--simulate=good", "test", "--diff", "3000:10000:3000:10000", "--json"});
  EXPECT_EQ(pass.exitCode, 0) << pass.err;
  const nlohmann::json record = nlohmann::json::parse(OutputLines(pass.out).at(0));
  EXPECT_EQ(record["differences"].size(), 1664u);
  const CliResult fail = RunCli({"--simulate=diff-fail", "test", "--diff", "3000:10000:3000:10000"});
  EXPECT_EQ(fail.exitCode, 1);
}

TEST_F(CliTest, ConfigDefaultThenCheck) {
  const std::string file = Path("default.txt");
  const CliResult written = RunCli({"config", "default", file});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const CliResult checked = RunCli({"config", "check", file});
  EXPECT_EQ(checked.exitCode, 0);
  EXPECT_EQ(checked.out, "OK\n");

  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  const std::size_t line6 = [&] {
    std::size_t at = 0;
    for (int i = 0; i < 5; ++i) at = bytes.find('\n', at) + 1;
    return at;
  }();
  bytes.replace(line6, bytes.find('=', line6) - line6, "rawdata_key_maxx");
  ASSERT_TRUE(WriteFileAtomically(Path("broken.txt"), bytes));
  const CliResult broken = RunCli({"config", "check", Path("broken.txt")});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_NE(broken.out.find(" 6"), std::string::npos) << broken.out;
  const CliResult missing = RunCli({"config", "check", Path("missing.txt")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.out.find("失败！"), std::string::npos);
  const CliResult refused = RunCli({"--simulate", "test", "--config", Path("broken.txt")});
  EXPECT_EQ(refused.exitCode, 2);
}

TEST_F(CliTest, XcfgListsTheBlocksOfAnAcceptedFile) {
  const std::string example = std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg";
  const CliResult json = RunCli({"xcfg", example, "--json"});
  EXPECT_EQ(json.exitCode, 0);
  const nlohmann::json record = nlohmann::json::parse(json.out);
  EXPECT_EQ(record["outcome"], "accepted");
  EXPECT_EQ(record["sections"], 2);
  EXPECT_EQ(record["blocks"], nlohmann::json::parse(R"([{"address":300,"size":4,"data":[1,2,3,4]},
                                                        {"address":304,"size":3,"data":[32,232,3]}])"));
  ASSERT_TRUE(WriteFileAtomically(Path("headerless.xcfg"), "[COMMENTS]\r\n"));
  const struct {
    std::string file;
    const char* outcome;
    const char* message;
  } refused[] = {{Path("headerless.xcfg"), "header-missing", "烧录文件头错误！"},
                 {Path("missing.xcfg"), "unopenable", "打开烧录文件失败！"},
                 {std::string(VN_TEST_DATA_DIR) + "/xcfg/short_object.xcfg", "rejected", "烧录文件不正确！"}};
  for (const auto& c : refused) {
    SCOPED_TRACE(c.file);
    const CliResult r = RunCli({"xcfg", c.file, "--json"});
    EXPECT_EQ(r.exitCode, 1);
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["outcome"], c.outcome);
    EXPECT_EQ(j["message"], c.message);
    EXPECT_TRUE(j["blocks"].empty());
  }
}

TEST_F(CliTest, BurnWritesTheExampleIntoTheSimulatedBoard) {
  const CliResult r = RunCli({"--simulate", "burn", std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("progress: 100%"), std::string::npos);
  EXPECT_NE(r.out.find("更新烧录文件成功"), std::string::npos);
  EXPECT_EQ(RunCli({"--simulate", "burn", Path("missing.xcfg")}).exitCode, 1);
}

TEST_F(CliTest, TraceShowsEveryReport) {
  const CliResult r = RunCli({"--simulate", "--trace", "info"});
  ASSERT_EQ(r.exitCode, 0);
  const auto lines = OutputLines(r.err);
  const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l[0] == '>'; });
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(first->substr(0, 20), "> 01 51 02 07 00 00 ");
  EXPECT_EQ(first->size(), 2u + 64 * 3 - 1);
  EXPECT_EQ((first + 1)->substr(0, 2), "< ");
}

}  // namespace
}  // namespace vn
