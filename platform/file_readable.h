// Whether a path names a file that can be opened for reading. The dialogs
// ask it before they take a chosen file; the file is closed again at once.
#pragma once

#include <string>

namespace vn {

// False for an empty path, a folder, a missing or an unreadable file.
bool FileReadable(const std::string& path);

}  // namespace vn
