#include "config/config_file.h"

#include <algorithm>
#include <array>
#include <optional>

#include "config/config_lines.h"
#include "platform/atomic_file.h"
#include "platform/format.h"

namespace vn {

namespace {

// Hands out the lines of a byte buffer. A line ends at LF; a CR just before
// the LF (or at the very end) belongs to the line end. Text after the last LF
// is a line of its own only when it is not empty.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool Next(std::string_view& line) {
    if (position_ >= bytes_.size()) return false;
    std::size_t end = bytes_.find('\n', position_);
    if (end == std::string_view::npos) end = bytes_.size();
    line = bytes_.substr(position_, end - position_);
    position_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The key runs to the first "=", the value from there to the first "%",
// blanks and tabs trimmed. A line without "%" has an empty value. A line
// without "=" has no key at all and fails.
// Returns the table index of the line applied, nothing when the line fails.
std::optional<std::size_t> ParseLine(std::string_view line, TestParameters& parameters) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const auto index = FindConfigLine(line.substr(0, equals));
  if (!index) return std::nullopt;
  const std::string_view rest = line.substr(equals + 1);
  const auto percent = rest.find('%');
  const std::string_view value =
      percent == std::string_view::npos ? std::string_view{} : TrimBlanks(rest.substr(0, percent));
  if (!ApplyConfigValue(*index, value, parameters)) return std::nullopt;
  return index;
}

// Lines may come in any order, so a lower limit read after its upper limit
// can end up at or above it. Such a pair is never left in force: the file
// fails at the later of the two lines (unless it failed already), and the
// pair goes back to what it was before the file was read.
struct LimitPair {
  std::uint16_t TestParameters::*lower;
  std::uint16_t TestParameters::*upper;
  std::size_t lowerIndex;
  std::size_t upperIndex;
};

constexpr LimitPair kLimitPairs[] = {
    {&TestParameters::rawdata_va_min, &TestParameters::rawdata_va_max, 2, 3},
    {&TestParameters::rawdata_key_min, &TestParameters::rawdata_key_max, 4, 5},
};

std::size_t CheckLimitPairs(const TestParameters& before, TestParameters& parameters,
                            const std::array<std::size_t, kConfigLineCount>& lineOf) {
  std::size_t failedLine = 0;
  for (const LimitPair& pair : kLimitPairs) {
    if (parameters.*pair.lower < parameters.*pair.upper) continue;
    parameters.*pair.lower = before.*pair.lower;
    parameters.*pair.upper = before.*pair.upper;
    const std::size_t line = std::max(lineOf[pair.lowerIndex], lineOf[pair.upperIndex]);
    if (failedLine == 0 || line < failedLine) failedLine = line;
  }
  return failedLine;
}

ConfigParseResult LineFailure(std::size_t line) {
  const ImportFailureTexts texts = DescribeImportFailure(static_cast<std::uint8_t>(line));
  ConfigParseResult result;
  result.status = ConfigParseStatus::LineFailed;
  result.errorLine = static_cast<std::uint8_t>(line);
  result.message = texts.message;
  result.logLine = texts.logLine;
  return result;
}

}  // namespace

ConfigParseResult ParseConfigText(std::string_view bytes, TestParameters& parameters) {
  const TestParameters before = parameters;
  LineReader reader(bytes);
  std::string_view line;
  std::size_t linesRead = 0;
  std::size_t failedLine = 0;
  std::array<std::size_t, kConfigLineCount> lineOf{};  // the line that last set each key
  // A 23rd line already makes the file wrong: it is named and not applied.
  while (failedLine == 0 && reader.Next(line)) {
    ++linesRead;
    const auto index = linesRead > kConfigLineCount ? std::nullopt : ParseLine(line, parameters);
    if (index) {
      lineOf[*index] = linesRead;
    } else {
      failedLine = linesRead;
    }
  }
  if (failedLine == 0 && linesRead < kConfigLineCount) failedLine = linesRead + 1;
  const std::size_t pairLine = CheckLimitPairs(before, parameters, lineOf);
  if (failedLine == 0) failedLine = pairLine;
  parameters.RebuildKeyNodeMap();
  return failedLine == 0 ? ConfigParseResult{} : LineFailure(failedLine);
}

ConfigParseResult ParseConfigFile(const std::string& path, TestParameters& parameters) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    ConfigParseResult result;
    result.status = ConfigParseStatus::OpenFailed;
    result.message.text = "step2:打开文件 \"" + path + " \"失败！";
    return result;
  }
  return ParseConfigText(bytes, parameters);
}

ImportFailureTexts DescribeImportFailure(std::uint8_t line) {
  const std::string number = P2(line);
  ImportFailureTexts texts;
  texts.logLine = "配置文件错误>_<,位置在第" + number + "行。";
  texts.message = {"配置文件错误，位置在第" + number + "行", "配置错误", MessageIcon::Stop};
  return texts;
}

}  // namespace vn
