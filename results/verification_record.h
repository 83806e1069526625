// The record of every reference verification: one JSON line per verification
// in "Config/verifications.jsonl" under the working directory, written whole
// or not at all. It is the station's proof that its fixture measured right,
// and the policy "verification required every N hours" reads it back.
#pragma once

#include <optional>
#include <string>

#include "platform/local_time.h"
#include "results/append_file.h"
#include "results/verification.h"

namespace vn {

struct VerificationRecord {
  std::string time;  // "YYYY-MM-DD hh:mm:ss", local
  std::string station;
  std::string referenceFile;
  std::string referenceSha256;
  std::string tolerance;  // "abs:300"
  bool judged = false;    // false: the run was aborted
  int selfTestPassed = 0;
  std::string selfTestText;
  VerificationResult result;
  // A verification passes when the run was judged, the self test passed and no node drifted.
  bool passed() const { return judged && selfTestPassed != 0 && result.passed(); }
};

std::string VerificationsPath(const std::string& appDirectory);

std::string VerificationRecordLine(const VerificationRecord& record);

struct VerificationAppend {
  bool written = false;
  int error = 0;  // errno
};
VerificationAppend AppendVerificationRecord(const std::string& path, const VerificationRecord& record,
                                            const AppendFileOpener& opener = OpenAppendFile);

// The time of the latest passed verification in the file; nullopt when there
// is none (or no file). Lines that are not verification records are passed over.
std::optional<LocalDateTime> LastPassedVerification(const std::string& path);

// "2024-05-01 09:05:30" back into its parts; nullopt for anything else.
std::optional<LocalDateTime> ParseRecordTime(const std::string& text);

// Whole seconds from earlier to later (negative when later is earlier),
// counted on the calendar as the clock shows it.
long long SecondsBetween(const LocalDateTime& earlier, const LocalDateTime& later);

}  // namespace vn
