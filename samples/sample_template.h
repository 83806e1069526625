// The start of every new sample file: the contents of the template
// "Config\SampleTemplate.ini". A template that is missing or cannot be read
// gives an empty start, and the keys are then laid out in the order of
// writing.
#pragma once

#include <string>

#include "platform/profile_document.h"

namespace vn {

ProfileDocument SampleDocumentFromTemplate(const std::string& appDirectory);

}  // namespace vn
