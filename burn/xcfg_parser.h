// The line-by-line reading of a ".xcfg" file into a BurnImage: sections,
// the comment-section rule, object sections and where their bytes go.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "burn/burn_image.h"
#include "burn/burn_parse_result.h"
#include "burn/object_section.h"

namespace vn {

class XcfgParser {
 public:
  explicit XcfgParser(BurnImage& image) : image_(&image) {}

  // Takes the next line (without its line end); None when it was taken.
  // After a rejection the parse is over.
  BurnRejection TakeLine(std::string_view line, std::size_t lineNumber);

  // Ends the parse at the end of the file.
  BurnRejection Finish();

  // Set by a content line of a plain section once the comment section was met.
  bool HeaderSeen() const { return headerSeen_; }

  // The line a rejection concerns: the line taken, or the header of an
  // object section that ended too early.
  std::size_t RejectedLine() const { return rejectedLine_; }

 private:
  enum class Mode { None, Plain, Object };

  BurnRejection TakeObjectHeader(std::string_view line, std::size_t lineNumber);
  BurnRejection TakePlainHeader(std::string_view line);
  BurnRejection TakeContent(std::string_view line);
  BurnRejection CloseObjectSection();

  BurnImage* image_;
  Mode mode_ = Mode::None;
  bool commentsSeen_ = false;
  bool headerSeen_ = false;
  std::optional<ObjectSectionWriter> object_;
  std::size_t objectHeaderLine_ = 0;
  std::size_t rejectedLine_ = 0;
};

}  // namespace vn
