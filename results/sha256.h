// SHA-256 of bytes and of a file, as 64 lower-case hex digits. Records carry
// the digest of the configuration file in force, so two films judged under
// different files can be told apart even when the file kept its name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vn {

std::string Sha256Hex(std::string_view bytes);

// nullopt when the file cannot be read.
std::optional<std::string> FileSha256Hex(const std::string& path);

}  // namespace vn
