// Building configuration text files line by line for the reader's tests.
#pragma once

#include <string>
#include <vector>

namespace vn::testing {

// "{" + `ones` cells "1", then "0" up to `total` cells, joined by "," + "}".
inline std::string Cells(int ones, int total) {
  std::string text = "{";
  for (int i = 0; i < total; ++i) {
    if (i > 0) text += ',';
    text += i < ones ? '1' : '0';
  }
  return text + "}";
}

// The 22 lines of the default record, with short ASCII comments.
inline std::vector<std::string> ValidLines() {
  std::vector<std::string> lines = {
      "x_channel_valid=32\t%c",
      "y_channel_valid=52\t%c",
      "rawdata_va_min=19000\t%c",
      "rawdata_va_max=28000\t%c",
      "rawdata_key_min=19000\t%c",
      "rawdata_key_max=28000\t%c",
      "display_area_x[52]=" + Cells(32, 52) + "\t%c",
      "display_area_y[52]=" + Cells(52, 52) + "\t%c",
      "test_va_area_x[52]=" + Cells(32, 52) + "\t%c",
      "test_va_area_y[52]=" + Cells(52, 52) + "\t%c",
      "test_key_area_x[52]=" + Cells(0, 52) + "\t%c",
      "test_key_area_y[52]=" + Cells(0, 52) + "\t%c",
      "test_key_number_x=0\t%c",
      "test_key_number_y=0\t%c",
  };
  for (int c = 0; c < 8; ++c)
    lines.push_back("multikey_matrix_col" + std::to_string(c) + "[8]=" + Cells(0, 8) + "\t%c");
  return lines;
}

inline std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

}  // namespace vn::testing
