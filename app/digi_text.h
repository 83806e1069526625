// From display text to segment characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/CDigiChar.h"

namespace vn::app {

// The character for one text character, built with the given style: digits,
// blank and "-" in seven segments, "." and ":" as colon-and-dot characters.
// Any other character shows as a blank seven-segment cell, so a text never
// loses its width.
CDigiChar CreateCharacter(char c, std::uint32_t style);

// The lit mask CreateCharacter gives a character.
std::uint8_t LitMaskOf(char c);

// One character per text character, in order, after upper-casing.
std::vector<CDigiChar> BuildCharacters(const std::string& text, std::uint32_t style);

// Sum of the design widths.
int TotalDesignWidth(const std::vector<CDigiChar>& characters);

}  // namespace vn::app
