// One-key access to a profile (INI) file, as the private-profile functions
// give it: every call loads the file, and a write saves it whole again with
// WriteFileAtomically. The rules for names, blanks, values and where a new key
// goes are those of ProfileDocument. Use a ProfileDocument directly to read or
// write many keys of one file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"

namespace vn {

// The key's value (at most 511 characters), or defaultValue when the file,
// the section or the key is missing.
std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue = {});

// The leading decimal integer of the key's value ("12abc" gives 12, no digits
// give 0), or defaultValue when the file, the section or the key is missing.
std::int32_t ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                            std::int32_t defaultValue = 0);

enum class ProfileWriteStatus {
  Written,
  Refused,         // the names or the value cannot be stored as one line of this key
  FileUnreadable,  // the file exists but cannot be read; it is left alone rather than replaced
  SaveFailed,      // the new file could not be written; the old one is intact
};

struct ProfileWriteResult {
  ProfileWriteStatus status = ProfileWriteStatus::Refused;
  std::string systemMessage;  // the OS text when the save failed
  explicit operator bool() const { return status == ProfileWriteStatus::Written; }
};

// Replaces the key's value where it stands or adds the key (and its section);
// the file is created when missing.
ProfileWriteResult WriteProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view value,
                                      const WriteFaultHook& fault = {});

}  // namespace vn
