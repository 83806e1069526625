// Reading a ".xcfg" controller configuration file into the burn image.
//
// The image is cleared first, so nothing of an earlier file survives, and it
// holds the file's objects only when the file is accepted; after any other
// outcome it stays cleared and nothing from the file can be burned.
#pragma once

#include <string>
#include <string_view>

#include "burn/burn_image.h"
#include "burn/burn_parse_result.h"

namespace vn {

BurnParseResult ParseBurnFile(const std::string& path, BurnImage& image);

// The same from the file's bytes; lines end in CR LF or LF.
BurnParseResult ParseBurnBytes(std::string_view bytes, BurnImage& image);

}  // namespace vn
