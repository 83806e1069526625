// Emptying the sample work directory for "清空列表": every "*.ini" file in
// it goes, listed or not; other files and sub-folders stay.
#pragma once

#include <cstddef>
#include <string>

namespace vn {

// The number of files deleted; a missing directory deletes nothing.
std::size_t DeleteSampleFiles(const std::string& sampleWorkDirectory);

}  // namespace vn
