// A record is written whole or not at all, and a folder that cannot be
// written is said once in the operator log without stopping the test.
#include <gtest/gtest.h>

#include <cerrno>

#include "results/record_append.h"
#include "results/results_recorder.h"
#include "results_folder.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

using test::TesterRig;

enum class Failure { None, OpenRefused, HalfWritten, NothingWritten, FlushFails };

// A real file that fails as told: a write takes only half the bytes (as a
// disk that fills up mid-write), or none, or the flush fails.
class FaultyFile : public AppendFile {
 public:
  FaultyFile(std::unique_ptr<AppendFile> real, Failure failure) : real_(std::move(real)), failure_(failure) {}
  std::optional<std::uint64_t> Size() override { return real_->Size(); }
  std::optional<std::size_t> Write(std::string_view bytes) override {
    if (failure_ == Failure::HalfWritten) {
      error_ = ENOSPC;
      return real_->Write(bytes.substr(0, bytes.size() / 2));
    }
    if (failure_ == Failure::NothingWritten) {
      error_ = ENOSPC;
      return std::nullopt;
    }
    return real_->Write(bytes);
  }
  bool Flush() override {
    if (failure_ != Failure::FlushFails) return real_->Flush();
    error_ = EIO;
    return false;
  }
  bool Truncate(std::uint64_t size) override { return real_->Truncate(size); }
  int lastError() const override { return error_ != 0 ? error_ : real_->lastError(); }

 private:
  std::unique_ptr<AppendFile> real_;
  Failure failure_;
  int error_ = 0;
};

// Fails the files whose name ends in suffix while failure is set.
struct FaultyOpener {
  std::string suffix;
  Failure failure = Failure::None;

  std::unique_ptr<AppendFile> operator()(const std::string& path, int& error) const {
    const bool hit = failure != Failure::None && path.size() >= suffix.size() &&
                     path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (hit && failure == Failure::OpenRefused) {
      error = EACCES;
      return nullptr;
    }
    std::unique_ptr<AppendFile> real = OpenAppendFile(path, error);
    if (!real || !hit) return real;
    return std::make_unique<FaultyFile>(std::move(real), failure);
  }
};

class RecordAppendTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = test::FreshFolder("append"); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  ResultsRecorder Recorder(TesterRig& rig) {
    RecorderEnvironment environment;
    environment.clock = [] { return LocalDateTime{2024, 5, 1, 10, 0, 0}; };
    environment.opener = [this](const std::string& path, int& error) { return opener(path, error); };
    return ResultsRecorder(dir.string(), "line-2", rig.tester.log(), environment);
  }
  std::string Csv() const { return test::FileText(dir / "results-20240501.csv"); }
  std::string Jsonl() const { return test::FileText(dir / "results-20240501.jsonl"); }
  int FailureLines(const TesterRig& rig) const {
    int count = 0;
    for (const std::string& line : rig.LogLines()) count += line.rfind("测试结果记录失败：" + dir.string(), 0) == 0;
    return count;
  }

  std::filesystem::path dir;
  FaultyOpener opener;
};

TEST_F(RecordAppendTest, AFailedRecordLeavesBothFilesAsTheyWere) {
  const struct {
    const char* name;
    const char* file;
    Failure failure;
    const char* logLine;
  } cases[] = {
      {"csv half written", ".csv", Failure::HalfWritten, "（磁盘已满）"},
      {"jsonl half written after the csv row", ".jsonl", Failure::HalfWritten, "（磁盘已满）"},
      {"csv not written", ".csv", Failure::NothingWritten, "（磁盘已满）"},
      {"jsonl flush fails", ".jsonl", Failure::FlushFails, "（无法写入）"},
      {"jsonl cannot be opened", ".jsonl", Failure::OpenRefused, "（没有写入权限）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TesterRig rig(*BuiltInProfile("open-node"));
    ASSERT_TRUE(rig.ConnectAndConfirm());
    std::filesystem::remove_all(dir);
    opener = {};
    ResultsRecorder recorder = Recorder(rig);
    ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
    const std::string csvBefore = Csv(), jsonlBefore = Jsonl();

    opener = {c.file, c.failure};
    const RunOutcome outcome = rig.tester.RunTest();
    const RecordResult failed = recorder.Record(rig.tester, outcome);
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(Csv(), csvBefore);
    EXPECT_EQ(Jsonl(), jsonlBefore);
    EXPECT_EQ(rig.LogLines().back(), "测试结果记录失败：" + dir.string() + c.logLine);

    opener = {};
    ASSERT_TRUE(recorder.Record(rig.tester, outcome).written);
    EXPECT_EQ(test::CsvRecords(Csv()).size(), 2u) << "the next record follows on a clean line";
    EXPECT_EQ(test::TextLines(Jsonl()).size(), 2u);
  }
}

TEST_F(RecordAppendTest, AFailedFirstRecordLeavesNoHalfFile) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  opener = {".jsonl", Failure::HalfWritten};
  EXPECT_FALSE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  EXPECT_EQ(Csv(), "") << "the header and row of the new file are gone too";
  EXPECT_EQ(Jsonl(), "");
  opener = {};
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  const auto rows = test::ParseCsv(Csv());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][0], "time") << "the header comes with the first record that is written";
}

TEST_F(RecordAppendTest, AFullDiskIsLoggedOnceAndNeverStopsTheTest) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  opener = {".csv", Failure::HalfWritten};
  int logged = 0;
  for (int film = 0; film < 3; ++film) {
    const RunOutcome outcome = rig.tester.RunTest();
    EXPECT_TRUE(outcome.judged && outcome.passed) << "film " << film;
    EXPECT_FALSE(recorder.Record(rig.tester, outcome).written);
    logged += FailureLines(rig);  // the log starts afresh with every run
  }
  EXPECT_EQ(logged, 1);
  EXPECT_EQ(rig.tester.state().counters.okCount, 3);

  opener = {};
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  opener = {".csv", Failure::HalfWritten};
  rig.tester.RunTest();
  recorder.Record(rig.tester, {true, true, false, 0});
  EXPECT_EQ(FailureLines(rig), 1) << "after a record got through, a new failure is said again";
}

TEST_F(RecordAppendTest, AFolderThatCannotBeMadeIsLoggedOnce) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  const std::string notAFolder = (dir / "plain-file").string();
  ASSERT_TRUE(WriteFileAtomically(notAFolder, "x"));
  ResultsRecorder recorder(notAFolder, "line-2", rig.tester.log());
  int logged = 0;
  for (int film = 0; film < 3; ++film) {
    const RunOutcome outcome = rig.tester.RunTest();
    EXPECT_TRUE(outcome.passed);
    EXPECT_FALSE(recorder.Record(rig.tester, outcome).written);
    for (const std::string& line : rig.LogLines()) logged += line == "测试结果记录失败：" + notAFolder + "（文件夹无法创建）";
  }
  EXPECT_EQ(logged, 1);
  EXPECT_EQ(test::FileText(notAFolder), "x");
}

TEST_F(RecordAppendTest, SystemFileAppendsAndCutsBack) {
  const std::string path = (dir / "plain.txt").string();
  int error = -1;
  std::unique_ptr<AppendFile> file = OpenAppendFile(path, error);
  ASSERT_TRUE(file);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(file->Size(), 0u);
  EXPECT_EQ(file->Write("hello\n"), 6u);
  EXPECT_EQ(file->Write("world\n"), 6u);
  EXPECT_TRUE(file->Flush());
  EXPECT_EQ(file->Size(), 12u);
  EXPECT_TRUE(file->Truncate(6));
  EXPECT_EQ(file->Write("again\n"), 6u) << "appending goes on at the cut";
  file.reset();
  EXPECT_EQ(test::FileText(path), "hello\nagain\n");
  EXPECT_FALSE(OpenAppendFile((dir / "no" / "such" / "x").string(), error));
  EXPECT_EQ(error, ENOENT);
}

}  // namespace
}  // namespace vn
