#include "platform/profile_document.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace vn {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool AcceptableSection(std::string_view section) {
  return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool AcceptableKey(std::string_view key) {
  return !key.empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
         key.front() != '[' && key.front() != ';';
}

bool FileIsPresent(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// A folder or device at the path is no profile file, even where the system lets it be opened.
bool IsRegularFileOrMissing(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return status.type() == std::filesystem::file_type::regular ||
         status.type() == std::filesystem::file_type::not_found;
}

}  // namespace

bool AcceptableProfileEntry(std::string_view section, std::string_view key, std::string_view value) {
  return AcceptableSection(TrimProfileBlanks(section)) && AcceptableKey(TrimProfileBlanks(key)) &&
         !HasLineBreak(value);
}

ProfileLoadResult ProfileDocument::Load(const std::string& path) {
  ProfileLoadResult result;
  std::string bytes;
  if (!IsRegularFileOrMissing(path)) {
    result.status = ProfileLoadStatus::Unreadable;
  } else if (ReadWholeFile(path, bytes)) {
    result.status = ProfileLoadStatus::Loaded;
    result.document = FromText(bytes);
  } else {
    result.status = FileIsPresent(path) ? ProfileLoadStatus::Unreadable : ProfileLoadStatus::Missing;
  }
  return result;
}

ProfileDocument ProfileDocument::FromText(std::string_view text) {
  ProfileDocument document;
  if (text.starts_with(kByteOrderMark)) {
    document.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    document.lines_.push_back(ClassifyProfileLine(std::string(line)));
  }
  return document;
}

std::string ProfileDocument::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
  const std::optional<std::size_t> index = FindKey(section, key);
  if (!index) return CutToProfileLimit(defaultValue);
  return CutToProfileLimit(StripProfileQuotes(lines_[*index].value));
}

std::int32_t ProfileDocument::ReadInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  const std::optional<std::size_t> index = FindKey(section, key);
  if (!index) return defaultValue;
  return LeadingProfileInteger(StripProfileQuotes(lines_[*index].value));
}

bool ProfileDocument::HasKey(std::string_view section, std::string_view key) const {
  return FindKey(section, key).has_value();
}

bool ProfileDocument::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  if (!AcceptableProfileEntry(section, key, value)) return false;
  section = TrimProfileBlanks(section);
  key = TrimProfileBlanks(key);
  std::string line = std::string(key) + "=" + std::string(value);
  if (const std::optional<std::size_t> index = FindKey(section, key)) {
    lines_[*index] = ClassifyProfileLine(std::move(line));
  } else if (const std::optional<std::size_t> header = FindSection(section)) {
    InsertKeyLine(*header, std::move(line));
  } else {
    lines_.push_back(ClassifyProfileLine("[" + std::string(section) + "]"));
    lines_.push_back(ClassifyProfileLine(std::move(line)));
  }
  return true;
}

std::string ProfileDocument::ToText() const {
  std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
  for (const ProfileLine& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  return text;
}

AtomicWriteResult ProfileDocument::Save(const std::string& path, const WriteFaultHook& fault) const {
  return WriteFileAtomically(path, ToText(), fault);
}

std::optional<std::size_t> ProfileDocument::FindSection(std::string_view section) const {
  section = TrimProfileBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == ProfileLineKind::Section && ProfileNamesEqual(lines_[i].name, section)) return i;
  }
  return std::nullopt;
}

std::size_t ProfileDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != ProfileLineKind::Section) ++end;
  return end;
}

std::optional<std::size_t> ProfileDocument::FindKey(std::string_view section, std::string_view key) const {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return std::nullopt;
  key = TrimProfileBlanks(key);
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == ProfileLineKind::Key && ProfileNamesEqual(lines_[i].name, key)) return i;
  }
  return std::nullopt;
}

// Right after the section's last key line, so blank lines and comments that
// close the section stay behind the new key.
void ProfileDocument::InsertKeyLine(std::size_t header, std::string line) {
  std::size_t position = header + 1;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == ProfileLineKind::Key) position = i + 1;
  }
  const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(position);
  lines_.insert(at, ClassifyProfileLine(std::move(line)));
}

}  // namespace vn
