#include "engine/acquisition.h"

#include <algorithm>

#include "platform/format.h"

namespace vn {

namespace {

struct PageLoop {
  bool logging;          // the normal acquisition logs; the baseline is silent
  bool nextAfterLast;    // the baseline also moves past the last page
  bool waitAfterPage;    // the baseline waits for the diagnostic byte after each page
};

std::string PageTag(std::uint8_t page) { return "P" + P2(page); }

void Note(OperatorLog& log, const PageLoop& loop, const std::string& line) {
  if (loop.logging) log.Append(line);
}

// Reads the first piece of the diagnostic page until the controller reports
// the expected page, moving it with next/previous-page commands.
bool SeekPage(Controller& controller, RunState& run, OperatorLog& log, const PageLoop& loop, std::uint16_t address) {
  const auto deadline = controller.PollDeadline();
  for (;;) {
    const TransferResult read = controller.MemoryRead(address, 60);
    if (read == TransferResult::NoAnswer) return false;
    if (read == TransferResult::Done) {
      const std::uint8_t reported = controller.answerData()[1];
      if (reported == run.expectedPage) return true;
      const std::string target = "target P" + P2(run.expectedPage);
      if (run.expectedPage < reported) {
        Note(log, loop, target + " less,actual " + PageTag(reported));
        if (!controller.DiagnosticCommand(kPreviousPageMode)) return false;
        Note(log, loop, "now--");
      } else {
        Note(log, loop, target + " more,actual " + PageTag(reported));
        if (!controller.DiagnosticCommand(kNextPageMode)) return false;
        Note(log, loop, "now++");
      }
    }
    if (controller.PollExpired(deadline, "诊断页定位超时")) return false;
  }
}

// The second or third read of a page; a refused read is logged and leaves the
// page bytes as they were.
bool ReadPagePiece(Controller& controller, RunState& run, OperatorLog& log, const PageLoop& loop,
                   std::uint16_t address, std::uint8_t count, std::size_t pageOffset, const char* failure) {
  const TransferResult read = controller.MemoryRead(address, count);
  if (read == TransferResult::NoAnswer) return false;
  if (read == TransferResult::Done) {
    std::copy_n(controller.answerData(), count, run.pageBuffer.begin() + kPageBytes * run.expectedPage + pageOffset);
  } else {
    Note(log, loop, PageTag(run.expectedPage) + failure);
  }
  return true;
}

bool WaitDiagnosticIdle(Controller& controller) {
  const auto deadline = controller.PollDeadline();
  for (;;) {
    if (!controller.ReadCommandObject()) return false;
    if (controller.commandMirror()[5] == 0) return true;
    if (controller.PollExpired(deadline, "控制器诊断命令超时")) return false;
  }
}

bool ReadPages(Controller& controller, RunState& run, OperatorLog& log, const PageLoop& loop) {
  const ObjectSlot diagnostic = controller.table().Slot(object_type::kDiagnostic);
  if (!diagnostic.present()) {
    log.Append("控制器缺少对象T37");
    return false;
  }
  const std::size_t pages = std::min<std::size_t>(controller.table().pageCount(), kPageCount);
  for (run.expectedPage = 0; run.expectedPage < pages; ++run.expectedPage) {
    const std::uint16_t a = diagnostic.address;
    if (!SeekPage(controller, run, log, loop, a)) return false;
    std::copy_n(controller.answerData() + 2, 58, run.pageBuffer.begin() + kPageBytes * run.expectedPage);
    if (!ReadPagePiece(controller, run, log, loop, static_cast<std::uint16_t>(a + 60), 60, 58, "read 23 失败") ||
        !ReadPagePiece(controller, run, log, loop, static_cast<std::uint16_t>(a + 120), 10, 118, "read 33 失败"))
      return false;
    const bool last = run.expectedPage + 1u == pages;
    if ((!last || loop.nextAfterLast) && !controller.DiagnosticCommand(kNextPageMode)) return false;
    ConvertPage(run, run.expectedPage);
    if (loop.waitAfterPage && !WaitDiagnosticIdle(controller)) return false;
    Note(log, loop, PageTag(run.expectedPage) + "backup");
  }
  return true;
}

bool SetAcquisition(Controller& controller, std::uint8_t setting) {
  return controller.WriteObjectBytes(object_type::kAcquisition, 9, {setting}, kAcquisitionSettingPauseMs);
}

}  // namespace

void ConvertPage(RunState& run, std::size_t page) {
  const std::uint8_t* bytes = run.pageBuffer.data() + kPageBytes * page;
  for (std::size_t i = 0; i < kValuesPerPage; ++i)
    run.stagingValues.values[kValuesPerPage * page + i] =
        static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
}

bool AcquirePages(Controller& controller, RunState& run, OperatorLog& log) {
  return ReadPages(controller, run, log, PageLoop{true, false, false});
}

bool AcquireBaseline(Controller& controller, RunState& run, OperatorLog& log) {
  if (!SetAcquisition(controller, kBaselineAcquisitionSetting)) return false;
  if (!controller.Calibrate() || !controller.DiagnosticCommand(kReferenceMode) || !WaitDiagnosticIdle(controller))
    return false;
  if (!ReadPages(controller, run, log, PageLoop{false, true, true})) return false;
  run.baselineValues = run.stagingValues;
  return SetAcquisition(controller, kNormalAcquisitionSetting);
}

}  // namespace vn
