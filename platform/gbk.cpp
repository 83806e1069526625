#include "platform/gbk.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace vn {

#if defined(_WIN32)

namespace {

std::optional<std::wstring> ToWide(std::string_view text, UINT codePage) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      wide.data(), n);
  return wide;
}

std::optional<std::string> FromWide(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return std::string();
  BOOL lossy = FALSE;
  BOOL* lossyOut = codePage == CP_UTF8 ? nullptr : &lossy;
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, lossyOut);
  if (n <= 0 || lossy) return std::nullopt;
  std::string text(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                      nullptr, nullptr);
  return text;
}

std::optional<std::string> Convert(std::string_view text, UINT from, UINT to) {
  const auto wide = ToWide(text, from);
  if (!wide) return std::nullopt;
  return FromWide(*wide, to);
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert(utf8, CP_UTF8, 936); }
std::optional<std::string> GbkToUtf8(std::string_view gbk) { return Convert(gbk, 936, CP_UTF8); }

#else

namespace {

std::optional<std::string> Convert(std::string_view text, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "GBK", "UTF-8"); }
std::optional<std::string> GbkToUtf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GBK"); }

#endif

}  // namespace vn
