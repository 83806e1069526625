#include "config/config_file.h"

#include "config/config_lines.h"
#include "platform/atomic_file.h"
#include "platform/gbk.h"

namespace vn {

std::optional<std::string> FormatConfigFile(const TestParameters& parameters) {
  std::string bytes;
  const auto& formats = ConfigLineFormats();
  for (std::size_t line = 0; line < formats.size(); ++line) {
    const auto comment = Utf8ToGbk(formats[line].comment);
    if (!comment) return std::nullopt;
    bytes.append(formats[line].key);
    bytes += '=';
    bytes += FormatConfigValue(line, parameters);
    bytes += "\t%";
    bytes += *comment;
    bytes += "\r\n";
  }
  return bytes;
}

ConfigWriteResult WriteConfigFile(const std::string& path, const TestParameters& parameters,
                                  const WriteFaultHook& fault) {
  ConfigWriteResult result;
  const auto bytes = FormatConfigFile(parameters);
  if (!bytes) {
    result.status = ConfigWriteStatus::EncodingFailed;
    result.message.text = path + ": GBK conversion is not available";
    return result;
  }
  const AtomicWriteResult written = WriteFileAtomically(path, *bytes, fault);
  if (written) return result;
  if (written.failedStep == WriteStep::Open) {
    result.status = ConfigWriteStatus::OpenFailed;
    result.message.text = path + "打开失败！";
  } else {
    result.status = ConfigWriteStatus::WriteFailed;
    result.message.text = path + ": " + written.systemMessage;
  }
  return result;
}

}  // namespace vn
