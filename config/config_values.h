// Reading and writing the values of the configuration text file: decimal
// scalars and brace-enclosed arrays of one-character 0/1 cells.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vn {

// A decimal integer: optional leading blanks and sign, then digits; reading
// stops at the first character that is not a digit, and a value without
// digits reads as 0. Numbers beyond the 32-bit range saturate at its ends.
std::int64_t ReadScalar(std::string_view value);

// The cells of an array value, found by position: with "{" as character 0,
// cell i is the character just before the first "," at or after character
// 2i+1 (the last cell: before the first "}" at or after 2(n-1)+1). A cell
// without such a delimiter reads as 0. "1" sets a cell; "0" and any
// non-digit clear it; the digits 2..9 clear it and make the value invalid.
template <std::size_t N>
struct CellsRead {
  std::array<std::uint8_t, N> cells{};
  bool valid = true;
};

// One cell by position (0 or 1, or -1 for a digit 2..9).
int ReadCell(std::string_view value, std::size_t index, std::size_t count);

template <std::size_t N>
CellsRead<N> ReadCells(std::string_view value) {
  CellsRead<N> read;
  for (std::size_t i = 0; i < N; ++i) {
    const int cell = ReadCell(value, i, N);
    read.cells[i] = cell == 1 ? 1 : 0;
    if (cell < 0) read.valid = false;
  }
  return read;
}

// "{" + the first `count` cells as "1"/"0" joined by "," + "}"; cells past
// `meaningful` are written as "0".
template <std::size_t N>
std::string FormatCells(const std::array<std::uint8_t, N>& cells, std::size_t meaningful = N) {
  std::string text = "{";
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += ',';
    text += (i < meaningful && cells[i] != 0) ? '1' : '0';
  }
  text += '}';
  return text;
}

}  // namespace vn
