// The acquisition buffers and results of the current test run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/node_matrix.h"

namespace vn {

inline constexpr std::size_t kPageCount = 26;
inline constexpr std::size_t kPageBytes = 128;
inline constexpr std::size_t kValuesPerPage = 64;

struct RunState {
  std::array<std::uint8_t, kPageCount * kPageBytes> pageBuffer{};  // page p at bytes 128 p ..
  std::uint8_t expectedPage = 0;
  NodeMatrix stagingValues;
  NodeMatrix measuredValues;
  NodeMatrix baselineValues;
  DifferenceMatrix differenceValues;
  int filmNg = 0;
  int differenceNg = 0;
  int selfTestPassed = 0;
  std::uint8_t selfTestFaultX = 0;  // X channel at fault + 1, 0 for none
  std::uint8_t selfTestFaultY = 0;  // Y channel at fault + 1, 0 for none
  std::string selfTestText;

  // The start of a run: buffers and results cleared, the value matrices kept
  // (the lists show the last run until they are refilled).
  void ClearForRun() {
    pageBuffer.fill(0);
    expectedPage = 0;
    filmNg = 0;
    differenceNg = 0;
    selfTestPassed = 0;
    selfTestFaultX = 0;
    selfTestFaultY = 0;
    selfTestText.clear();
  }
};

}  // namespace vn
