// One CSV row: fields joined with commas, a field quoted when it holds a
// comma, a quote, CR or LF, quotes inside doubled. Rows end in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vn {

std::string CsvField(std::string_view text);
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace vn
