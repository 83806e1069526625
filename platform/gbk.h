// GBK (code page 936) at the file boundary. Inside the program every text is
// UTF-8; only the configuration text file carries GBK bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vn {

// nullopt when the text cannot be represented (or the converter is missing).
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
std::optional<std::string> GbkToUtf8(std::string_view gbk);

}  // namespace vn
