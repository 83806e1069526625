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

std::string_view BurnRejectionText(BurnRejection rejection) {
  switch (rejection) {
    case BurnRejection::None: return {};
    case BurnRejection::CommentsNotFirst: return "注释段之前有其他段";
    case BurnRejection::TypeOutOfRange: return "对象类型不在 1~100 之间";
    case BurnRejection::TooManyObjects: return "对象段太多";
    case BurnRejection::LineOutOfOrder: return "应依次为 OBJECT_ADDRESS、OBJECT_SIZE 和数据行";
    case BurnRejection::MalformedDataLine: return "数据行格式错误（应为“偏移 宽度=值”，宽度 1 或 2）";
    case BurnRejection::ObjectTooLarge: return "对象大小超出上限";
    case BurnRejection::OffsetMismatch: return "数据行的偏移与位置不符";
    case BurnRejection::DataBeyondSize: return "数据超出对象大小";
    case BurnRejection::ObjectIncomplete: return "对象数据不足其大小";
  }
  return {};
}

std::string BurnRefusalMessage(const BurnParseResult& result) {
  std::string message(BurnParseMessage(result.outcome));
  if (result.outcome != BurnParseOutcome::Rejected || result.lineNumber == 0) return message;
  message += "第 " + std::to_string(result.lineNumber) + " 行";
  const std::string_view reason = BurnRejectionText(result.rejection);
  if (!reason.empty()) message += "：" + std::string(reason);
  return message;
}

}  // namespace vn
