// The acquisition buffers and results of the current test run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/node_matrix.h"

namespace vn {

inline constexpr std::size_t kPageCount = 26;
inline constexpr std::size_t kPageBytes = 128;
inline constexpr std::size_t kValuesPerPage = 64;

// What the result panel says under the verdict: why the film is NG, or what
// a capture run did, and the nodes the lists bring into view.
struct RunReason {
  std::string text;  // one line; empty when there is nothing to say
  std::optional<NodePosition> failingValue;       // first failing node value
  std::optional<NodePosition> failingDifference;  // first failing difference
};

// What a run is for. A film is judged and counted; a golden-sample capture
// only acquires the film (its values become a sample): it is not judged
// against the criterion and not counted.
enum class RunPurpose { Film, SampleCapture };

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
  RunPurpose purpose = RunPurpose::Film;
  RunReason reason;

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
    purpose = RunPurpose::Film;
    reason = {};
  }
};

}  // namespace vn
