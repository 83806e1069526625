// One line of a profile (INI) file, classified the way the private-profile
// functions read it: a section header "[name]", a key line "key=value", or any
// other line (blank, comment, text without "="), which is kept but never read.
// Names and values are read with the blanks (spaces, tabs) around them removed.
#pragma once

#include <string>
#include <string_view>

namespace vn {

enum class ProfileLineKind { Section, Key, Other };

struct ProfileLine {
  std::string text;  // the line as it stands in the file, without its line end
  ProfileLineKind kind = ProfileLineKind::Other;
  std::string name;   // section or key name, blanks removed
  std::string value;  // value of a key line, blanks removed
};

ProfileLine ClassifyProfileLine(std::string text);

// Spaces and tabs removed at both ends.
std::string_view TrimProfileBlanks(std::string_view text);

// Section and key names match without regard to ASCII letter case.
bool ProfileNamesEqual(std::string_view left, std::string_view right);

}  // namespace vn
