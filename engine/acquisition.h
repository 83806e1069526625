// Reading the reference value of every node out of the controller's
// diagnostic pages: seek each page with next/previous-page commands, read its
// 128 bytes in three reads, convert them to 64 values.
#pragma once

#include "controller/controller.h"
#include "engine/run_state.h"
#include "platform/operator_log.h"

namespace vn {

inline constexpr std::uint8_t kReferenceMode = 0x11;
inline constexpr std::uint8_t kNextPageMode = 0x01;
inline constexpr std::uint8_t kPreviousPageMode = 0x02;
inline constexpr std::uint8_t kNormalAcquisitionSetting = 60;
inline constexpr std::uint8_t kBaselineAcquisitionSetting = 128;
inline constexpr double kAcquisitionSettingPauseMs = 20;

// The normal acquisition, with its log lines ("target P 3 more,actual P 0",
// "now++", "P 0backup", ...). The pages go to run.stagingValues.
bool AcquirePages(Controller& controller, RunState& run, OperatorLog& log);

// The baseline of the difference criterion: acquisition setting 128, a
// silent page loop that also moves past the last page, then setting 60 again.
// The values go to run.baselineValues.
bool AcquireBaseline(Controller& controller, RunState& run, OperatorLog& log);

// The 64 values of page p: little-endian words of its 128 bytes, at flat index 64 p + i.
void ConvertPage(RunState& run, std::size_t page);

}  // namespace vn
