// Every file the tester writes is written whole or not at all: a write that
// fails at any step leaves the file on disk as it was (the old version, or
// no file), never a mix, and leaves no temporary file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

#include "config/config_file.h"
#include "platform/atomic_file.h"
#include "samples/sample_file_writer.h"
#include "samples/sample_limit_files.h"
#include "samples/sample_paths.h"
#include "samples/sample_settings_file.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

struct Writer {
  const char* name;
  // Writes version 1 or 2 of the file; returns whether it succeeded. The path written goes to `path`.
  std::function<bool(const std::string& dir, int version, const WriteFaultHook& fault, std::string& path)> write;
};

TestParameters ParametersVersion(int version) {
  TestParameters p;
  p.x_channel_valid = static_cast<std::uint8_t>(version == 1 ? 20 : 30);
  return p;
}

const Writer kWriters[] = {
    {"configuration text file",
     [](const std::string& dir, int version, const WriteFaultHook& fault, std::string& path) {
       path = dir + "/test.txt";
       return WriteConfigFile(path, ParametersVersion(version), fault).ok();
     }},
    {"additional parameters",
     [](const std::string& dir, int version, const WriteFaultHook& fault, std::string& path) {
       path = SampleSettingsPath(dir);
       SampleSettings settings;
       settings.NumberOfSamplesListed = version;
       return WriteSampleSettings(dir, settings, "config-" + std::to_string(version) + ".txt", fault).ok;
     }},
    {"limit record files",
     [](const std::string& dir, int version, const WriteFaultHook& fault, std::string& path) {
       path = SampleLowLimitFilePath(dir);
       SampleLimits limits;
       limits.lower.fill(1000 * version);
       limits.upper.fill(2000 * version);
       return WriteSampleLimitFiles(dir, limits, fault).ok;
     }},
    {"sample file",
     [](const std::string& dir, int version, const WriteFaultHook& fault, std::string& path) {
       SampleValues values;
       values.values.fill(20000 + version);
       const SampleTime time{2026, 12, 10, 9, 5, version};
       const SampleWriteResult r =
           WriteSampleFile({dir, dir + "/samples"}, TestParameters{}, values, 1, time, fault);
       path = r.record.path;
       return r.status == SampleWriteStatus::Written;
     }},
};

class SafeFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = (fs::temp_directory_path() / ("vn4820-safe-" + std::to_string(::getpid()))).string();
    fs::remove_all(dir);
    fs::create_directories(dir + "/Config");
    fs::create_directories(dir + "/samples");
  }
  void TearDown() override { fs::remove_all(dir); }

  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      if (entry.path().filename().string().find(".tmp") != std::string::npos) found.push_back(entry.path().string());
    return found;
  }

  std::string dir;
};

TEST_F(SafeFilesTest, AFailedWriteLeavesTheOldFileWhole) {
  const WriteStep steps[] = {WriteStep::Open, WriteStep::Write, WriteStep::Flush, WriteStep::Rename};
  for (const Writer& writer : kWriters) {
    for (WriteStep step : steps) {
      SCOPED_TRACE(std::string(writer.name) + ", failing step " + std::to_string(static_cast<int>(step)));
      fs::remove_all(dir + "/Config");
      fs::create_directories(dir + "/Config");
      std::string path;
      ASSERT_TRUE(writer.write(dir, 1, {}, path));
      std::string old;
      ASSERT_TRUE(ReadWholeFile(path, old));

      std::string failedPath;
      EXPECT_FALSE(writer.write(dir, 2, [step](WriteStep s) { return s == step; }, failedPath));
      std::string now;
      ASSERT_TRUE(ReadWholeFile(path, now));
      EXPECT_EQ(now, old) << "the old version stays whole";
      if (failedPath != path) {
        EXPECT_FALSE(fs::exists(failedPath)) << "a new file is not left half-written";
      }
      EXPECT_TRUE(TemporaryFiles().empty());

      std::string newPath;
      ASSERT_TRUE(writer.write(dir, 2, {}, newPath));
      std::string written;
      ASSERT_TRUE(ReadWholeFile(newPath, written));
      EXPECT_NE(written, old) << "without a fault the new version is written";
    }
  }
}

TEST_F(SafeFilesTest, AFileThatCannotBeReadIsNeverReplacedByDefaults) {
  // A folder where the file should be: it cannot be read, and must not be replaced.
  fs::create_directories(SampleSettingsPath(dir));
  EXPECT_FALSE(ReadSampleSettings(dir).ok());
  EXPECT_FALSE(WriteSampleSettings(dir, SampleSettings{}, "config.txt").ok);
  EXPECT_TRUE(fs::is_directory(SampleSettingsPath(dir)));

  TestParameters live = ParametersVersion(1);
  const std::string missing = dir + "/missing.txt";
  EXPECT_FALSE(ParseConfigFile(missing, live).ok());
  EXPECT_EQ(live, ParametersVersion(1)) << "a file that fails to open changes nothing";
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace vn
