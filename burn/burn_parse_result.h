// What parsing a ".xcfg" file came to, with the operator's message for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vn {

enum class BurnParseOutcome {
  Accepted,       // the image is ready to burn
  Rejected,       // "烧录文件不正确！"
  HeaderMissing,  // "烧录文件头错误！"
  Unopenable,     // "打开烧录文件失败！"
};

// Why a file was rejected; None for every other outcome.
enum class BurnRejection {
  None,
  CommentsNotFirst,   // a plain section before the comment section
  TypeOutOfRange,     // object type number not within 1..100
  TooManyObjects,     // more object sections than the image has blocks
  LineOutOfOrder,     // not OBJECT_ADDRESS, then OBJECT_SIZE, then the data lines
  MalformedDataLine,  // a data line whose key is not "<offset> <width>" with width 1 or 2
  ObjectTooLarge,     // an object size beyond the data bytes a block holds
  OffsetMismatch,     // a data line whose offset is not where its bytes would land
  DataBeyondSize,     // a data line reaching past the object size
  ObjectIncomplete,   // an object section that ends before its data reaches its size
};

struct BurnParseResult {
  BurnParseOutcome outcome = BurnParseOutcome::Accepted;
  BurnRejection rejection = BurnRejection::None;
  std::size_t lineNumber = 0;  // 1-based line the rejection concerns; 0 otherwise
  explicit operator bool() const { return outcome == BurnParseOutcome::Accepted; }
};

// The message box text of an outcome; empty for Accepted.
std::string_view BurnParseMessage(BurnParseOutcome outcome);

// What is wrong, in the operator's words ("对象类型不在 1~100 之间", ...); empty for None.
std::string_view BurnRejectionText(BurnRejection rejection);

// The message of a refused file with the parser's finding and its line:
// "烧录文件不正确！第 12 行：数据行的偏移与位置不符"; the plain message otherwise.
std::string BurnRefusalMessage(const BurnParseResult& result);

}  // namespace vn
