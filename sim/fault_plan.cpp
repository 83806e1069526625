#include "sim/fault_plan.h"

namespace vn {

std::string SimFaultName(SimFault fault) {
  switch (fault) {
    case SimFault::DropAnswer: return "drop-answer";
    case SimFault::LateAnswer: return "late-answer";
    case SimFault::ErrorAnswer: return "error-answer";
    case SimFault::GarbageReport: return "garbage-report";
    case SimFault::ShortReport: return "short-report";
    case SimFault::WrongReportId: return "wrong-report-id";
    case SimFault::DuplicateAnswer: return "duplicate-answer";
    case SimFault::WriteFailure: return "write-failure";
    case SimFault::Remove: return "remove";
  }
  return "unknown";
}

std::vector<SimFault> AllSimFaults() {
  return {SimFault::DropAnswer,    SimFault::LateAnswer,      SimFault::ErrorAnswer,
          SimFault::GarbageReport, SimFault::ShortReport,     SimFault::WrongReportId,
          SimFault::DuplicateAnswer, SimFault::WriteFailure, SimFault::Remove};
}

std::optional<SimFault> SimFaultNamed(const std::string& name) {
  for (SimFault fault : AllSimFaults())
    if (SimFaultName(fault) == name) return fault;
  return std::nullopt;
}

}  // namespace vn
