// The configuration text file: 22 lines of key "=" value, a tab, "%" and a
// comment. Reading writes straight into the live TestParameters, line by
// line; writing produces the 22 lines from a record. Neither shows anything:
// the results carry the texts the caller puts before the operator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/operator_message.h"
#include "config/parameter_rules.h"
#include "config/test_parameters.h"
#include "platform/atomic_file.h"

namespace vn {

enum class ConfigParseStatus { Ok, OpenFailed, LineFailed };

struct ConfigParseResult {
  ConfigParseStatus status = ConfigParseStatus::Ok;
  // LineFailed: the line to name to the operator (1..23), for configErrorLine.
  // The first failing line; in a short file without one, the first missing
  // line; in a long file, line 23.
  std::uint8_t errorLine = 0;
  // OpenFailed: the message box about the file; LineFailed: the "配置错误"
  // message box naming the line.
  OperatorMessage message;
  // LineFailed: the operator log line naming the line (without line end).
  std::string logLine;

  bool ok() const { return status == ConfigParseStatus::Ok; }
};

// Reads the file's bytes (lines end in CR LF or LF) into `parameters`.
// Reading stops at the first failing line; the lines before it stay in
// force, the failing line changes nothing. A file is refused at its 23rd line
// without applying that line. key_node_map is rebuilt in every case.
ConfigParseResult ParseConfigText(std::string_view bytes, TestParameters& parameters);

// As ParseConfigText on the file's contents. A file that cannot be read
// changes nothing and gives OpenFailed with the message
// step2:打开文件 "<path> "失败！
ConfigParseResult ParseConfigFile(const std::string& path, TestParameters& parameters);

// The log line and the message box of a failed import naming the line:
// "配置文件错误>_<,位置在第" + line in two characters + "行。" and
// "配置文件错误，位置在第" + line in two characters + "行" (caption "配置错误").
struct ImportFailureTexts {
  std::string logLine;
  OperatorMessage message;
};
ImportFailureTexts DescribeImportFailure(std::uint8_t line);

enum class ConfigWriteStatus { Ok, OpenFailed, WriteFailed, EncodingFailed };

struct ConfigWriteResult {
  ConfigWriteStatus status = ConfigWriteStatus::Ok;
  OperatorMessage message;  // when not Ok

  bool ok() const { return status == ConfigWriteStatus::Ok; }
};

// The 22 lines of a record, CR LF line ends, comments as GBK bytes; nothing
// when the comments cannot be converted to GBK.
std::optional<std::string> FormatConfigFile(const TestParameters& parameters);

// Writes the file whole or not at all. A file that cannot be created gives
// OpenFailed with the message path + "打开失败！".
ConfigWriteResult WriteConfigFile(const std::string& path, const TestParameters& parameters,
                                  const WriteFaultHook& fault = {});

}  // namespace vn
