// Which HID interface is the test board's bridge.
#pragma once

#include "link/hid_device.h"

namespace vn {

inline constexpr std::uint16_t kBoardVendorId = 0x03EB;
inline constexpr std::uint16_t kBoardProductIds[] = {0x212C, 0x211D};
inline constexpr std::uint16_t kBoardReleaseNumbers[] = {0x1032, 0x1132, 0x09AA, 0x0100};
inline constexpr int kBridgeInterfaceNumber = 1;

// True when the path holds an interface marker ("mi_" in any case), as the
// Windows interface paths do; Linux hidraw paths hold none.
bool PathCarriesInterfaceMarker(const std::string& path);

// The bridge interface: "mi_01" or "MI_01" (exact case) after the first
// character of a path that carries a marker; interface number 1 otherwise.
bool IsBridgeInterface(const HidDeviceInfo& info);

// All four conditions: vendor id, product id, release number and interface.
bool IsBoardBridge(const HidDeviceInfo& info);

bool PathsEqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vn
