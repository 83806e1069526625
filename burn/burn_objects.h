// Burning a parsed configuration into the controller: every object's bytes in
// chunks of 58, then the controller backs its configuration up and resets.
#pragma once

#include <functional>
#include <string>

#include "burn/burn_file.h"
#include "burn/burn_image.h"
#include "controller/controller.h"

namespace vn {

inline constexpr std::size_t kBurnChunk = 58;  // data bytes of one write (write count 60)

// The burn progress in percent after each object: (i + 1) / n x 100, truncated.
using BurnProgress = std::function<void(int percent)>;

int BurnProgressPercent(std::size_t burnedObjects, std::size_t objectCount);

// Writes block i of the image as the controller's i-th object, for as many
// objects as the controller has, then backs up and resets. Stops at the first
// chunk that is not sent or not acknowledged. True when everything was written,
// backed up and reset.
bool BurnObjects(Controller& controller, const BurnImage& image, const BurnProgress& progress = {});

enum class BurnOutcome { Burned, FileRefused, BurnFailed };

struct BurnResult {
  BurnOutcome outcome = BurnOutcome::Burned;
  BurnParseResult parse;
  std::string message;  // the message box for a refused file
};

// "执行一次烧录": parse the file into the image, burn it, and log
// "更新烧录文件成功" or "更新烧录文件失败". A refused file writes nothing.
BurnResult BurnConfigurationFile(Controller& controller, const std::string& path, BurnImage& image,
                                 const BurnProgress& progress = {});

}  // namespace vn
