// Text placed in HTML or SVG: the five characters with a meaning there
// become entities.
#pragma once

#include <string>
#include <string_view>

namespace vn {

std::string HtmlEscape(std::string_view text);

}  // namespace vn
