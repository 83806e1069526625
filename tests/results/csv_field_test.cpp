#include <gtest/gtest.h>

#include "results/csv_field.h"
#include "results_folder.h"

namespace vn {
namespace {

TEST(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
  const struct {
    const char* name;
    std::string text;
    std::string field;
  } cases[] = {
      {"plain", "X 5 Y 7", "X 5 Y 7"},
      {"empty", "", ""},
      {"chinese", "通道对GND短路，位置在X 3", "通道对GND短路，位置在X 3"},  // a full-width comma is no separator
      {"comma", "a,b", "\"a,b\""},
      {"quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
      {"line feed", "a\nb", "\"a\nb\""},
      {"carriage return", "a\rb", "\"a\rb\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CsvField(c.text), c.field);
  }
}

TEST(CsvFieldTest, RowReadsBackAsItsFields) {
  const std::vector<std::string> fields = {"2024-05-01 09:05:30", "a,\"b\"", "", "line\r\nbreak", "测试"};
  const std::string row = CsvRow(fields);
  EXPECT_EQ(row.substr(row.size() - 2), "\r\n");
  const auto rows = test::ParseCsv(row);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], fields);
}

}  // namespace
}  // namespace vn
