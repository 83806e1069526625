// A fresh folder per test case for record and report files, and readers for
// what the recorder wrote.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "support/sim_fixture.h"

namespace vn::test {

inline std::filesystem::path FreshFolder(const std::string& tag) {
  const std::filesystem::path dir = TestFolderPath(tag);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string FileText(const std::filesystem::path& path) {
  std::string bytes;
  if (!ReadWholeFile(path.string(), bytes)) return {};
  return bytes;
}

inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// RFC 4180 rows (quoted fields may hold commas, quotes and line ends).
inline std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
      else if (c == '"') quoted = false;
      else field += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(field), field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(field), field.clear();
      rows.push_back(row), row.clear();
      ++i;
    } else {
      field += c;
    }
  }
  if (!field.empty() || !row.empty()) row.push_back(field), rows.push_back(row);
  return rows;
}

// Each data row as column name -> value.
inline std::vector<std::map<std::string, std::string>> CsvRecords(const std::string& text) {
  const auto rows = ParseCsv(text);
  std::vector<std::map<std::string, std::string>> records;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    std::map<std::string, std::string> record;
    for (std::size_t c = 0; c < rows[0].size() && c < rows[r].size(); ++c) record[rows[0][c]] = rows[r][c];
    records.push_back(record);
  }
  return records;
}

}  // namespace vn::test
