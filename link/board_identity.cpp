#include "link/board_identity.h"

#include <algorithm>
#include <cctype>

namespace vn {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

template <typename Range>
bool Contains(const Range& range, std::uint16_t value) {
  return std::find(std::begin(range), std::end(range), value) != std::end(range);
}

bool FoundAfterFirstCharacter(const std::string& path, const char* marker) {
  const std::size_t at = path.find(marker);
  return at != std::string::npos && at > 0;
}

}  // namespace

bool PathCarriesInterfaceMarker(const std::string& path) {
  std::string lower(path);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  return lower.find("mi_") != std::string::npos;
}

bool IsBridgeInterface(const HidDeviceInfo& info) {
  if (PathCarriesInterfaceMarker(info.path))
    return FoundAfterFirstCharacter(info.path, "mi_01") || FoundAfterFirstCharacter(info.path, "MI_01");
  return info.interfaceNumber == kBridgeInterfaceNumber;
}

bool IsBoardBridge(const HidDeviceInfo& info) {
  return info.vendorId == kBoardVendorId && Contains(kBoardProductIds, info.productId) &&
         Contains(kBoardReleaseNumbers, info.releaseNumber) && IsBridgeInterface(info);
}

bool PathsEqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace vn
