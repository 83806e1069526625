#include "results/record_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vn {

namespace {

namespace fs = std::filesystem;

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<int> CalendarDay(const std::string& year, const std::string& month, const std::string& day) {
  if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return std::nullopt;
  const int y = std::stoi(year), m = std::stoi(month), d = std::stoi(day);
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return std::nullopt;
  return y * 10000 + m * 100 + d;
}

}  // namespace

std::optional<int> ParseIsoDay(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  return CalendarDay(text.substr(0, 4), text.substr(5, 2), text.substr(8, 2));
}

std::optional<int> RecordFileDay(const std::string& name) {
  static const std::string prefix = "results-", suffix = ".jsonl";
  if (name.size() != prefix.size() + 8 + suffix.size() || name.rfind(prefix, 0) != 0 ||
      name.compare(prefix.size() + 8, suffix.size(), suffix) != 0)
    return std::nullopt;
  const std::string digits = name.substr(prefix.size(), 8);
  return CalendarDay(digits.substr(0, 4), digits.substr(4, 2), digits.substr(6, 2));
}

RecordFileList RecordFilesInRange(const std::string& folder, const DayRange& range) {
  RecordFileList list;
  std::error_code error;
  std::vector<std::pair<int, std::string>> days;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<int> day = RecordFileDay(it->path().filename().string());
    std::error_code typeError;
    if (day && range.Contains(*day) && it->is_regular_file(typeError)) days.emplace_back(*day, it->path().string());
  }
  if (error) return list;
  std::sort(days.begin(), days.end());
  for (auto& [day, path] : days) list.paths.push_back(std::move(path));
  list.ok = true;
  return list;
}

}  // namespace vn
