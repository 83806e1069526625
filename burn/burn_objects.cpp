#include "burn/burn_objects.h"

#include <algorithm>

namespace vn {

namespace {

bool WriteObject(Controller& controller, const ObjectImage& object) {
  const auto data = object.Data();
  for (std::size_t offset = 0; offset < data.size(); offset += kBurnChunk) {
    const std::size_t count = std::min(kBurnChunk, data.size() - offset);
    const auto address = static_cast<std::uint16_t>(object.Address() + offset);
    if (controller.MemoryWrite(address, data.data() + offset, count, controller.timing().burnChunkPauseMs) != TransferResult::Done)
      return false;
  }
  return true;
}

}  // namespace

int BurnProgressPercent(std::size_t burnedObjects, std::size_t objectCount) {
  if (objectCount == 0) return 100;
  return static_cast<int>(static_cast<double>(burnedObjects) / static_cast<double>(objectCount) * 100.0);
}

bool BurnObjects(Controller& controller, const BurnImage& image, const BurnProgress& progress) {
  const std::uint64_t strayBefore = controller.link().strayAnswers();
  const std::size_t objects = std::min<std::size_t>(controller.table().objectCount(), BurnImage::kBlockCount);
  for (std::size_t i = 0; i < objects; ++i) {
    if (!WriteObject(controller, image.Blocks()[i])) return false;
    if (progress) progress(BurnProgressPercent(i + 1, objects));
  }
  // The reset follows even when the backup fails, so the controller is never
  // left half-configured; the burn then still counts as failed.
  const bool backedUp = controller.BackupSettings();
  const bool reset = controller.ResetController();
  // An acknowledgement out of step may have stood for a write that failed.
  return backedUp && reset && controller.link().strayAnswers() == strayBefore;
}

BurnResult BurnConfigurationFile(Controller& controller, const std::string& path, BurnImage& image,
                                 const BurnProgress& progress) {
  BurnResult result;
  result.parse = ParseBurnFile(path, image);
  if (!result.parse) {
    result.outcome = BurnOutcome::FileRefused;
    result.message = BurnRefusalMessage(result.parse);
    return result;
  }
  const bool burned = BurnObjects(controller, image, progress);
  controller.log().Append(burned ? "更新烧录文件成功" : "更新烧录文件失败", true, true);
  result.outcome = burned ? BurnOutcome::Burned : BurnOutcome::BurnFailed;
  return result;
}

}  // namespace vn
