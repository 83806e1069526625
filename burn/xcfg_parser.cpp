#include "burn/xcfg_parser.h"

#include <cstdint>

#include "burn/xcfg_line.h"

namespace vn {

namespace {

constexpr std::uint32_t kLowestType = 1;
constexpr std::uint32_t kHighestType = 100;

}  // namespace

BurnRejection XcfgParser::TakeLine(std::string_view line, std::size_t lineNumber) {
  rejectedLine_ = lineNumber;
  BurnRejection rejection = BurnRejection::None;
  switch (ClassifyXcfgLine(line)) {
    case XcfgLineKind::Empty:
      break;
    case XcfgLineKind::ObjectHeader:
      rejection = TakeObjectHeader(line, lineNumber);
      break;
    case XcfgLineKind::PlainHeader:
      rejection = TakePlainHeader(line);
      break;
    case XcfgLineKind::Content:
      rejection = TakeContent(line);
      break;
  }
  return rejection;
}

BurnRejection XcfgParser::Finish() { return CloseObjectSection(); }

// The type number only has to be in range; the section's OBJECT_ADDRESS alone
// decides which object it fills, and its place in the file which block.
BurnRejection XcfgParser::TakeObjectHeader(std::string_view line, std::size_t lineNumber) {
  if (const BurnRejection rejection = CloseObjectSection(); rejection != BurnRejection::None) return rejection;
  ObjectImage* block = image_->AddObjectSection();
  if (block == nullptr) return BurnRejection::TooManyObjects;
  const std::uint32_t type = XcfgTypeNumber(line);
  if (type < kLowestType || type > kHighestType) return BurnRejection::TypeOutOfRange;
  mode_ = Mode::Object;
  object_.emplace(*block);
  objectHeaderLine_ = lineNumber;
  return BurnRejection::None;
}

// The first plain section of a file must be the comment section.
BurnRejection XcfgParser::TakePlainHeader(std::string_view line) {
  if (const BurnRejection rejection = CloseObjectSection(); rejection != BurnRejection::None) return rejection;
  mode_ = Mode::Plain;
  if (IsCommentsHeader(line)) {
    commentsSeen_ = true;
    return BurnRejection::None;
  }
  return commentsSeen_ ? BurnRejection::None : BurnRejection::CommentsNotFirst;
}

// Lines before the first section are ignored; the text of plain-section lines
// is not used.
BurnRejection XcfgParser::TakeContent(std::string_view line) {
  switch (mode_) {
    case Mode::None:
      return BurnRejection::None;
    case Mode::Plain:
      if (commentsSeen_) headerSeen_ = true;
      return BurnRejection::None;
    case Mode::Object:
      return object_->TakeLine(line);
  }
  return BurnRejection::None;
}

BurnRejection XcfgParser::CloseObjectSection() {
  if (!object_) return BurnRejection::None;
  const bool complete = object_->Complete();
  object_.reset();
  if (complete) return BurnRejection::None;
  rejectedLine_ = objectHeaderLine_;
  return BurnRejection::ObjectIncomplete;
}

}  // namespace vn
