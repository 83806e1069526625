#include "results/verification_policy.h"

#include "results/local_time.h"
#include "results/verification_record.h"

namespace vn {

VerificationDue CheckVerificationDue(int intervalHours, const std::optional<LocalDateTime>& lastPassed,
                                     const LocalDateTime& now) {
  if (intervalHours <= 0) return {};
  const std::string every = " (required every " + std::to_string(intervalHours) + " h)";
  if (!lastPassed) return {true, "no reference verification has passed yet" + every};
  const long long age = SecondsBetween(*lastPassed, now);
  const std::string last = "the last passed reference verification, " + RecordTimeText(*lastPassed) + ", ";
  if (age < 0) return {true, last + "lies after the clock's time now" + every};
  if (age > intervalHours * 3600LL) return {true, last + "is more than " + std::to_string(intervalHours) + " h old"};
  return {};
}

}  // namespace vn
