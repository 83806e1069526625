// Faults the simulated board can be told to commit, by transaction index
// (the n-th output report it receives, counted from 0) or at random.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vn {

enum class SimFault {
  DropAnswer,       // the request is carried out but no answer comes
  LateAnswer,       // the answer comes after lateBy
  ErrorAnswer,      // the answer carries an error code instead of 0x00 / 0x04
  GarbageReport,    // random bytes instead of the answer
  ShortReport,      // an answer of only 10 bytes
  WrongReportId,    // the answer carries report id 3
  DuplicateAnswer,  // the answer comes twice
  WriteFailure,     // the write itself fails; nothing reaches the controller
  Remove,           // the board is unplugged when this request arrives
};

std::string SimFaultName(SimFault fault);
std::vector<SimFault> AllSimFaults();
// The fault of that name ("drop-answer", …), if there is one.
std::optional<SimFault> SimFaultNamed(const std::string& name);

struct FaultPlan {
  std::chrono::microseconds answerLatency{0};
  std::chrono::milliseconds lateBy{1500};
  std::map<std::uint64_t, SimFault> at;  // transaction index -> fault
  // Random faults: each request draws one of randomKinds with this probability.
  double randomRate = 0.0;
  std::uint32_t randomSeed = 1;
  std::vector<SimFault> randomKinds;
};

}  // namespace vn
