#include "samples/sample_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "samples/deviation_exchange.h"
#include "samples/sample_export.h"
#include "samples/sample_work_directory.h"
#include "platform/atomic_file.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

TEST(SampleListTest, ColumnsOfTheList) {
  const char* headings[] = {"序号", "时间", "来源", "VAmax", "VAmin", "VAaver", "KEYmax", "KEYmin", "KEYaver"};
  for (std::size_t c = 0; c < kSampleListColumns; ++c) {
    EXPECT_STREQ(SampleListColumns()[c].heading, headings[c]);
    EXPECT_EQ(SampleListColumns()[c].width, c == 0 ? 50 : 75);
  }
}

TEST(SampleListTest, RowTexts) {
  SampleRecord r;
  r.time = "0701102030";
  r.source = kSampleSourceAveraged;
  r.VAmax = 25000;
  r.VAmin = 21000;
  r.VAaverage = 23000;
  r.KEYmax = 0;
  r.KEYmin = 0;
  r.KEYaverage = -1;
  EXPECT_EQ(SampleRowTextsFor(3, r), (SampleRowTexts{" 3", "0701102030", "平均样本", "25000", "21000", "23000", "0",
                                                     "0", "-1"}));
  EXPECT_EQ(SampleRowTextsFor(31, r)[0], "31");
  EXPECT_EQ(SampleSourceText(kSampleSourceCaptured), "当前数据");
  EXPECT_EQ(SampleSourceText(kSampleSourceImported), "样本文件");
  EXPECT_EQ(SampleSourceText(0), "未知样本");
  EXPECT_EQ(SampleSourceText(9), "未知样本");
}

TEST(SampleListTest, CaptureCapacityIsHeldToTheThirtyTwoPlaces) {
  const std::pair<std::int32_t, std::size_t> cases[] = {{0, 0}, {-3, 0}, {5, 5}, {32, 32}, {33, 32}, {1000, 32}};
  for (const auto& [capacity, expected] : cases) EXPECT_EQ(SampleList(capacity).CaptureCapacity(), expected) << capacity;
}

TEST(SampleListTest, NeverAThirtyThirdEntry) {
  SampleList list(100);
  for (std::size_t i = 0; i < kSampleListPlaces; ++i) ASSERT_EQ(list.Add("p" + std::to_string(i)), i);
  EXPECT_TRUE(list.Full());
  EXPECT_FALSE(list.CaptureAllowed());
  EXPECT_FALSE(list.Add("extra"));
  EXPECT_EQ(list.entryCount(), 32u);
  EXPECT_EQ(list.Path(31), "p31");
}

TEST(SampleListTest, RestartingAtTheTopReusesTheFirstPlace) {
  SampleList list(2);
  list.Add("a");
  list.Add("b");
  EXPECT_FALSE(list.CaptureAllowed());
  list.RestartAtTop();
  EXPECT_EQ(list.entryCount(), 0u);
  EXPECT_EQ(list.Add("c"), 0u);
  EXPECT_EQ(list.Path(0), "c");
  EXPECT_EQ(list.Path(1), "b");
}

TEST(SampleListTest, TickedEntriesOnlyAmongTheCountedRows) {
  SampleList list(10);
  list.Add("a");
  list.Add("b");
  list.Add("c");
  EXPECT_EQ(list.TickedEntries({true, false, true, true}), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(list.PathsOf({0, 2}), (std::vector<std::string>{"a", "c"}));
  list.Clear();
  EXPECT_TRUE(list.TickedEntries({true}).empty());
  EXPECT_EQ(list.Path(0), "");
}

TEST(SampleExportTest, IniIsAppendedUnlessTheNameEndsInLowerCaseIni) {
  const std::pair<const char*, const char*> cases[] = {
      {"/x/gold", "/x/gold.ini"}, {"/x/GOLD.INI", "/x/GOLD.INI.ini"}, {"/x/gold.ini", "/x/gold.ini"},
      {"/x/ini", "/x/ini.ini"},   {"/x.ini/a", "/x.ini/a.ini"},
  };
  for (const auto& [chosen, expected] : cases) EXPECT_EQ(SampleExportPath(chosen), expected) << chosen;
}

// A folder of its own per run, so runs from several build trees never meet.
class SampleFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("vn4820-sample-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
            "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root / "work");
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  std::string Path(const std::string& relative) const { return (root / relative).string(); }
  std::string WorkDirectory() const { return (root / "work").string(); }
  static std::string Text(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }
  static void Put(const std::string& path, const std::string& bytes) { ASSERT_TRUE(WriteFileAtomically(path, bytes)); }

  std::filesystem::path root;
};

TEST_F(SampleFilesTest, ExportCopiesOverAnExistingFile) {
  Put(Path("work/s.ini"), "[Sample_Configuration]\r\nSource=1\r\n");
  Put(Path("target.ini"), "old");
  EXPECT_TRUE(ExportSampleFile(Path("work/s.ini"), Path("target.ini")).copied);
  EXPECT_EQ(Text(Path("target.ini")), "[Sample_Configuration]\r\nSource=1\r\n");
}

TEST_F(SampleFilesTest, VanishedSampleCopiesNothingAndSaysNothing) {
  const SampleExportResult result = ExportSampleFile(Path("work/gone.ini"), Path("target.ini"));
  EXPECT_FALSE(result.copied);
  EXPECT_TRUE(result.message.text.empty());
  EXPECT_FALSE(std::filesystem::exists(Path("target.ini")));
}

TEST_F(SampleFilesTest, UnwritableTargetIsReported) {
  Put(Path("work/s.ini"), "x");
  const SampleExportResult result = ExportSampleFile(Path("work/s.ini"), Path("no-folder/t.ini"));
  EXPECT_FALSE(result.copied);
  EXPECT_EQ(result.message.text, Path("no-folder/t.ini") + "写入失败！");
}

TEST_F(SampleFilesTest, ClearingDeletesEveryIniFileOfTheWorkDirectoryOnly) {
  Put(Path("work/listed.ini"), "x");
  Put(Path("work/never-listed.ini"), "x");
  Put(Path("work/notes.txt"), "x");
  Put(Path("imported.ini"), "x");
  EXPECT_EQ(DeleteSampleFiles(WorkDirectory()), 2u);
  EXPECT_FALSE(std::filesystem::exists(Path("work/listed.ini")));
  EXPECT_FALSE(std::filesystem::exists(Path("work/never-listed.ini")));
  EXPECT_TRUE(std::filesystem::exists(Path("work/notes.txt")));
  EXPECT_TRUE(std::filesystem::exists(Path("imported.ini")));
  EXPECT_EQ(DeleteSampleFiles(Path("missing-folder")), 0u);
}

TEST(DeviationExchangeTest, RangesOfTheFourEdits) {
  struct Case {
    DeviationEditTexts texts;
    const char* message;  // empty: all taken
  };
  const Case cases[] = {
      {{"20000", "-5", "100", "0"}, ""},
      {{"20001", "0", "0", "0"}, "请输入一个 0 至 20000 之间的整数。"},
      {{"-1", "0", "0", "0"}, "请输入一个 0 至 20000 之间的整数。"},
      {{"a", "0", "0", "0"}, "请输入一个整数。"},
      {{"0", "1.5", "0", "0"}, "请输入一个整数。"},
      {{"0", "0", "101", "0"}, "请输入一个 0 至 100 之间的整数。"},
      {{"0", "0", "256", "0"}, "请输入一个 0 至 255 之间的整数。"},
      {{"0", "0", "0", "x"}, "请输入一个 0 至 255 之间的整数。"},
  };
  for (const Case& c : cases) {
    test::RecordingPresenter presenter;
    DeviationSettings settings;
    const auto failure = ExchangeDeviationEdits(c.texts, settings, presenter);
    EXPECT_EQ(failure ? failure->message.text : std::string(), c.message) << c.texts[0] << "," << c.texts[2];
  }
}

TEST(DeviationExchangeTest, ValuesUpToTheFailingEditAreTaken) {
  test::RecordingPresenter presenter;
  DeviationSettings settings;
  const auto failure = ExchangeDeviationEdits({"300", "400", "150", "7"}, settings, presenter);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->field, kRelativeNegativeEdit);
  EXPECT_EQ(settings.AbsoluteDeviationNegative, 300);
  EXPECT_EQ(settings.AbsoluteDeviationPositive, 400);
  EXPECT_EQ(settings.RelativeDeviationNegative, 150) << "a byte outside 0..100 is taken before its message";
  EXPECT_EQ(settings.RelativeDeviationPositive, 0);
  EXPECT_EQ(FormatDeviationEdits(settings), (DeviationEditTexts{"300", "400", "150", "0"}));
}

}  // namespace
}  // namespace vn
