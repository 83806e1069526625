#include "burn/burn_parse_result.h"

namespace vn {

std::string_view BurnParseMessage(BurnParseOutcome outcome) {
  switch (outcome) {
    case BurnParseOutcome::Accepted:
      return {};
    case BurnParseOutcome::Rejected:
      return "烧录文件不正确！";
    case BurnParseOutcome::HeaderMissing:
      return "烧录文件头错误！";
    case BurnParseOutcome::Unopenable:
      return "打开烧录文件失败！";
  }
  return {};
}

}  // namespace vn
