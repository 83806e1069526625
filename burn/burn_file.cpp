#include "burn/burn_file.h"

#include <filesystem>
#include <system_error>

#include "burn/xcfg_parser.h"
#include "platform/atomic_file.h"

namespace vn {

namespace {

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Runs the parser over every line and then over the end of the file.
BurnRejection ParseLines(std::string_view bytes, XcfgParser& parser) {
  std::size_t lineNumber = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const BurnRejection rejection = parser.TakeLine(line, ++lineNumber);
    if (rejection != BurnRejection::None) return rejection;
  }
  return parser.Finish();
}

}  // namespace

BurnParseResult ParseBurnBytes(std::string_view bytes, BurnImage& image) {
  image.Clear();
  BurnImage parsed;
  XcfgParser parser(parsed);
  BurnParseResult result;
  result.rejection = ParseLines(bytes, parser);
  if (result.rejection != BurnRejection::None) {
    result.outcome = BurnParseOutcome::Rejected;
    result.lineNumber = parser.RejectedLine();
  } else if (!parser.HeaderSeen()) {
    result.outcome = BurnParseOutcome::HeaderMissing;
  } else {
    image = parsed;
  }
  return result;
}

BurnParseResult ParseBurnFile(const std::string& path, BurnImage& image) {
  std::string bytes;
  if (!IsRegularFile(path) || !ReadWholeFile(path, bytes)) {
    image.Clear();
    BurnParseResult result;
    result.outcome = BurnParseOutcome::Unopenable;
    return result;
  }
  return ParseBurnBytes(bytes, image);
}

}  // namespace vn
