#include "platform/profile_line.h"

#include <utility>

namespace vn {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// "[name]" with optional blanks before "[" and inside the brackets; text after
// the first "]" is ignored.
bool ParseSectionHeader(std::string_view trimmed, ProfileLine& line) {
  if (trimmed.empty() || trimmed.front() != '[') return false;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return false;
  line.kind = ProfileLineKind::Section;
  line.name = std::string(TrimProfileBlanks(trimmed.substr(1, close - 1)));
  return true;
}

// "key=value"; a line whose first visible character is ";" is a comment, and
// a line without a name before "=" is not a key.
bool ParseKeyLine(std::string_view trimmed, ProfileLine& line) {
  if (trimmed.empty() || trimmed.front() == ';') return false;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = TrimProfileBlanks(trimmed.substr(0, equals));
  if (name.empty()) return false;
  line.kind = ProfileLineKind::Key;
  line.name = std::string(name);
  line.value = std::string(TrimProfileBlanks(trimmed.substr(equals + 1)));
  return true;
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool ProfileNamesEqual(std::string_view left, std::string_view right) {
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (FoldAscii(left[i]) != FoldAscii(right[i])) return false;
  }
  return true;
}

ProfileLine ClassifyProfileLine(std::string text) {
  ProfileLine line;
  const std::string_view trimmed = TrimProfileBlanks(text);
  if (!ParseSectionHeader(trimmed, line)) ParseKeyLine(trimmed, line);
  line.text = std::move(text);
  return line;
}

}  // namespace vn
