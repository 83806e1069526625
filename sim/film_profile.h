// What the simulated controller reports: the film on the fixture (node
// values per acquisition, open nodes, self-test result) and the controller's
// own quirks (matrix size, page skew, start-up messages).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/fault_plan.h"

namespace vn {

struct NodeOverride {
  int x = 0;
  int y = 0;
  std::uint16_t value = 0;
};

struct FilmProfile {
  std::string name = "good";
  std::uint8_t matrixX = 32;
  std::uint8_t matrixY = 52;
  std::uint8_t version = 0x21;
  // Node values of the normal acquisition: lowValue..highValue, a fixed pattern
  // per node plus noise of +-noise from one acquisition to the next.
  std::uint16_t lowValue = 21000;
  std::uint16_t highValue = 26000;
  std::uint16_t noise = 40;
  std::vector<NodeOverride> overrides;  // nodes with their own value (open nodes)
  // Each film (normal acquisition) reads this much higher than the one before,
  // as a process drifting towards a limit; negative values drift down.
  int creepPerFilm = 0;
  // One X column with a noise of its own, as a pogo pin with bad contact; -1 for none.
  int noisyColumn = -1;
  std::uint16_t noisyColumnNoise = 0;
  // The baseline acquisition (acquisition setting 128) reads this much lower.
  int baselineDrop = 5000;
  // Self-test result message: code, fault kind, X + 1, Y + 1.
  std::uint8_t selfTestCode = 0xFE;
  std::uint8_t selfTestKind = 0;
  std::uint8_t selfTestX = 0;
  std::uint8_t selfTestY = 0;
  int selfTestBusyReads = 2;     // reads of the self-test object that still show the test running
  bool selfTestNeverEnds = false;
  // Probability that a page command lands one page off.
  double pageSkew = 0.0;
  std::uint32_t seed = 7;
  // What the board does wrong, by transaction (the n-th output report it
  // receives, counted from 0): a profile file's "board_fault" lines.
  std::map<std::uint64_t, SimFault> boardFaults;
};

// The board's faults the profile names, as a fault plan.
FaultPlan ProfileFaultPlan(const FilmProfile& profile);

// The built-in profiles: good, open-node, short-gnd-x3, short-between-y10,
// page-skew, diff-fail, matrix-32x51, creep-high, noisy-x7, drifted.
std::optional<FilmProfile> BuiltInProfile(const std::string& name);
std::vector<std::string> BuiltInProfileNames();

// A profile from a text file of "key = value" lines (see docs/simulated-board.md);
// the error text names the line that failed.
std::optional<FilmProfile> LoadProfileFile(const std::string& path, std::string& error);

// A built-in name or, failing that, a file path.
std::optional<FilmProfile> ResolveProfile(const std::string& nameOrPath, std::string& error);

}  // namespace vn
