// A profile (INI) file held in memory: loaded once, read and written key by
// key, saved whole with WriteFileAtomically. Reading and writing follow the
// private-profile functions:
//
// - Section and key names match without regard to ASCII letter case; the first
//   section of a name and the first key of a name inside it count.
// - Blanks (spaces, tabs) around names, around "=" and around values are not
//   part of them; a value in matching single or double quotes loses the quotes.
// - A text value is at most kProfileValueMaxLength bytes; a longer one is cut
//   there, never inside a UTF-8 character.
// - Writing an existing key rewrites its line in place as "key=value"; a new
//   key goes right after the last key line of its section (after the header
//   when the section has none); a new section goes at the end of the file.
//   Every other line stays as it stands.
// - Lines are read with CR LF or LF endings and written with CR LF. A UTF-8
//   byte-order mark at the start is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/profile_line.h"
#include "platform/profile_value.h"

namespace vn {

enum class ProfileLoadStatus {
  Loaded,
  Missing,     // no such file: an empty document, as the profile functions treat it
  Unreadable,  // the file exists but cannot be read: an empty document that must not be saved over it
};

struct ProfileLoadResult;

class ProfileDocument {
 public:
  ProfileDocument() = default;

  static ProfileLoadResult Load(const std::string& path);
  static ProfileDocument FromText(std::string_view text);

  // The key's value, or defaultValue when the section or the key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue = {}) const;

  // The leading decimal integer of the value (optional sign; no digits give 0;
  // held to the 32-bit range), or defaultValue when the key is missing.
  std::int32_t ReadInt(std::string_view section, std::string_view key,
                       std::int32_t defaultValue = 0) const;

  bool HasKey(std::string_view section, std::string_view key) const;

  // False, and nothing changed, when the names or the value cannot be written
  // as one line that reads back as this key (see AcceptableProfileEntry).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  std::string ToText() const;
  AtomicWriteResult Save(const std::string& path, const WriteFaultHook& fault = {}) const;

 private:
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;
  void InsertKeyLine(std::size_t header, std::string line);

  std::vector<ProfileLine> lines_;
  bool byteOrderMark_ = false;
};

struct ProfileLoadResult {
  ProfileLoadStatus status = ProfileLoadStatus::Missing;
  ProfileDocument document;
};

// Section and key names must be non-empty after removing blanks, hold no line
// break, and must not read back as something else: no "]" in a section name;
// no "=" in a key name, which must not start with "[" or ";". A value must
// hold no line break.
bool AcceptableProfileEntry(std::string_view section, std::string_view key, std::string_view value);

}  // namespace vn
