// The station's policy "verification required every N hours": films may be
// tested only while a reference verification has passed within the last N
// hours. N = 0 turns the policy off.
#pragma once

#include <optional>
#include <string>

#include "platform/local_time.h"

namespace vn {

struct VerificationDue {
  bool due = false;
  std::string reason;  // why, in the engineer's words; empty when not due
};

// Due when none has passed, when the last pass is older than the interval,
// or when it is stamped later than now (a clock set back proves nothing).
VerificationDue CheckVerificationDue(int intervalHours, const std::optional<LocalDateTime>& lastPassed,
                                     const LocalDateTime& now);

}  // namespace vn
