#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "platform/atomic_file.h"
#include "platform/file_copy.h"
#include "platform/ini_cleanup.h"
#include "platform/paths.h"
#include "platform/profile_document.h"
#include "platform/profile_file.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

// Every test works in a folder of its own under the temporary directory.
class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::random_device random;
    folder_ = JoinPath(TemporaryDirectory(),
                       std::string("vn_profile_") + info->name() + "_" + std::to_string(random()));
    ASSERT_TRUE(EnsureDirectory(folder_));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return JoinPath(folder_, name); }

  void Put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(WriteFileAtomically(PathOf(name), bytes));
  }

  std::string Contents(const std::string& name) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(PathOf(name), bytes)) << name;
    return bytes;
  }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename().string());
    return names;
  }

  std::string folder_;
};

TEST_F(ProfileFileTest, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
  const std::string path = PathOf("AdditionalPara1.ini");
  EXPECT_EQ(ReadProfileString(path, "BasicParameters", "BasicParametersFullDirectory"), "");
  EXPECT_EQ(ReadProfileString(path, "BasicParameters", "BasicParametersFullDirectory", "none"), "none");
  EXPECT_EQ(ReadProfileInt(path, "BasicParameters", "Criterion"), 0);
  EXPECT_EQ(ReadProfileInt(path, "BasicParameters", "Criterion", 7), 7);
  EXPECT_EQ(ProfileDocument::Load(path).status, ProfileLoadStatus::Missing);
  EXPECT_FALSE(FileExists(path));

  ASSERT_TRUE(WriteProfileString(path, "BasicParameters", "Criterion", "1"));
  EXPECT_EQ(Contents("AdditionalPara1.ini"), "[BasicParameters]\r\nCriterion=1\r\n");
}

TEST_F(ProfileFileTest, SuccessiveWritesBuildAndUpdateTheFile) {
  const std::string path = PathOf("AdditionalPara1.ini");
  Put("AdditionalPara1.ini", "; kept\n[TestStandards]\nDeviationMethod=0\n\n[SampleInformation]\nNumberOfSamplesListMAX=20\n");
  ASSERT_TRUE(WriteProfileString(path, "TestStandards", "AbsoluteDeviationNegative", "500"));
  ASSERT_TRUE(WriteProfileString(path, "teststandards", "DEVIATIONMETHOD", "1"));
  ASSERT_TRUE(WriteProfileString(path, "BasicParameters", "Criterion", "1"));
  ASSERT_TRUE(WriteProfileString(path, "SampleInformation", "NumberOfSamplesListed", "3"));

  EXPECT_EQ(Contents("AdditionalPara1.ini"),
            "; kept\r\n[TestStandards]\r\nDEVIATIONMETHOD=1\r\nAbsoluteDeviationNegative=500\r\n\r\n"
            "[SampleInformation]\r\nNumberOfSamplesListMAX=20\r\nNumberOfSamplesListed=3\r\n"
            "[BasicParameters]\r\nCriterion=1\r\n");
  EXPECT_EQ(ReadProfileInt(path, "TestStandards", "DeviationMethod"), 1);
  EXPECT_EQ(ReadProfileInt(path, "SampleInformation", "NumberOfSamplesListMAX"), 20);
}

TEST_F(ProfileFileTest, AFailedSaveLeavesTheOldFileIntactAndNoTemporaryBehind) {
  const std::string original = "[A]\r\nx=1\r\ny=2\r\n";
  const WriteStep steps[] = {WriteStep::Open, WriteStep::Write, WriteStep::Flush, WriteStep::Rename};
  for (const WriteStep failing : steps) {
    SCOPED_TRACE(static_cast<int>(failing));
    Put("a.ini", original);
    const auto fault = [failing](WriteStep step) { return step == failing; };
    const ProfileWriteResult result = WriteProfileString(PathOf("a.ini"), "A", "x", "changed", fault);
    EXPECT_EQ(result.status, ProfileWriteStatus::SaveFailed);
    EXPECT_FALSE(result);
    EXPECT_EQ(Contents("a.ini"), original);
    EXPECT_EQ(Names(), std::set<std::string>{"a.ini"});
  }
}

TEST_F(ProfileFileTest, AFolderInPlaceOfTheFileIsNeitherReadNorReplaced) {
  const std::string path = PathOf("Config.ini");
  ASSERT_TRUE(EnsureDirectory(path));
  EXPECT_EQ(ProfileDocument::Load(path).status, ProfileLoadStatus::Unreadable);
  EXPECT_EQ(WriteProfileString(path, "A", "x", "1").status, ProfileWriteStatus::FileUnreadable);
  EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(ProfileFileTest, RefusedEntryLeavesTheFileUntouched) {
  Put("a.ini", "[A]\nx=1\n");
  EXPECT_EQ(WriteProfileString(PathOf("a.ini"), "A", "x", "1\n[B]").status, ProfileWriteStatus::Refused);
  EXPECT_EQ(Contents("a.ini"), "[A]\nx=1\n");
}

TEST_F(ProfileFileTest, DocumentSavesManyKeysInOneWrite) {
  ProfileDocument document = ProfileDocument::Load(PathOf("sample.ini")).document;
  for (int y = 0; y < 52; ++y) {
    ASSERT_TRUE(document.WriteString("Sample_Context", "Y" + std::to_string(y), std::to_string(y) + ","));
  }
  ASSERT_TRUE(document.Save(PathOf("sample.ini")));
  const ProfileDocument reread = ProfileDocument::Load(PathOf("sample.ini")).document;
  EXPECT_EQ(reread.ReadString("Sample_Context", "Y0"), "0,");
  EXPECT_EQ(reread.ReadString("sample_context", "y51"), "51,");
  EXPECT_EQ(reread.ToText(), document.ToText());
}

TEST_F(ProfileFileTest, CopyReplacesTheTargetWholeOrNotAtAll) {
  Put("SampleTemplate.ini", "[Sample_Configuration]\r\nTime=\r\n");
  Put("new.ini", "old content that is longer than the template\r\n");
  ASSERT_TRUE(CopyFileReplacing(PathOf("SampleTemplate.ini"), PathOf("new.ini")));
  EXPECT_EQ(Contents("new.ini"), "[Sample_Configuration]\r\nTime=\r\n");

  const auto failRename = [](WriteStep step) { return step == WriteStep::Rename; };
  Put("SampleTemplate.ini", "changed template\r\n");
  EXPECT_EQ(CopyFileReplacing(PathOf("SampleTemplate.ini"), PathOf("new.ini"), failRename).status,
            CopyStatus::TargetWriteFailed);
  EXPECT_EQ(Contents("new.ini"), "[Sample_Configuration]\r\nTime=\r\n");

  EXPECT_EQ(CopyFileReplacing(PathOf("absent.ini"), PathOf("new.ini")).status, CopyStatus::SourceUnreadable);
  EXPECT_EQ(Contents("new.ini"), "[Sample_Configuration]\r\nTime=\r\n");
}

TEST_F(ProfileFileTest, DeletesOnlyTheIniFilesOfTheFolderItself) {
  for (const char* name : {"a.ini", "B.INI", "c.Ini", "d.ini.bak", "e.txt", "ini", "xini"}) Put(name, "x");
  ASSERT_TRUE(EnsureDirectory(PathOf("folder.ini")));
  ASSERT_TRUE(EnsureDirectory(PathOf("sub")));
  Put("sub/inner.ini", "x");

  const IniCleanupResult result = DeleteIniFiles(folder_);
  EXPECT_TRUE(result.folderListed);
  EXPECT_EQ(result.deleted, 3u);
  EXPECT_EQ(result.failed, 0u);
  EXPECT_EQ(Names(), (std::set<std::string>{"d.ini.bak", "e.txt", "ini", "xini", "folder.ini", "sub"}));
  EXPECT_TRUE(FileExists(PathOf("sub/inner.ini")));

  EXPECT_FALSE(DeleteIniFiles(PathOf("no such folder")).folderListed);
}

}  // namespace
}  // namespace vn
