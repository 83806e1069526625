// Directories of the tester: the working directory with its "Config" and
// "Sample" folders, and the sample work directory.
#pragma once

#include <string>

namespace vn {

std::string CurrentDirectory();
std::string TemporaryDirectory();  // $TMPDIR or /tmp; the system's temp path on Windows

// "C:\TemporarySamples" on Windows, $TMPDIR/TemporarySamples elsewhere.
std::string DefaultSampleWorkDirectory();

// Joins with the platform's separator unless the left side already ends in one.
std::string JoinPath(const std::string& left, const std::string& right);

// Creates the directory (and its parents) when missing; false when it cannot be made.
bool EnsureDirectory(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace vn
