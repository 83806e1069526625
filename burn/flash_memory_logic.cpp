#include "burn/flash_memory_logic.h"

#include "platform/file_readable.h"
#include "platform/paths.h"

namespace vn {

namespace {

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kLightGrey = 0xF0F0F0;
constexpr std::uint32_t kBlack = 0x000000;

}  // namespace

VersionLabelStyle VersionLabelFor(const std::string& firmwareVersionText) {
  VersionLabelStyle style;
  style.text = "IC版本:" + firmwareVersionText;
  if (firmwareVersionText == "1.0") {
    style.textColour = kGreen;
    style.backgroundColour = kLightGrey;
  } else if (firmwareVersionText == "1.1") {
    style.textColour = kBlue;
    style.backgroundColour = kLightGrey;
  } else {
    style.textColour = kRed;
    style.backgroundColour = kBlack;
  }
  return style;
}

BurnActionButtons ActionButtonsFor(int mode) {
  return {mode == kManualBurn, mode == kContinuousBurn, mode == kOfflineBurn};
}

FlashMemoryLogic::FlashMemoryLogic(Tester& tester, FileChooser& files) : tester_(tester), files_(files) {}

VersionLabelStyle FlashMemoryLogic::VersionLabel() const {
  return VersionLabelFor(tester_.connection().firmwareVersionText);
}

std::string FlashMemoryLogic::InitialFileName() const {
  return JoinPath(JoinPath(tester_.state().appDirectory, "Config"), ".xcfg");
}

void FlashMemoryLogic::ChooseMode(int mode) {
  mode_ = mode;
  if (!burnFilePath_.empty()) buttons_ = ActionButtonsFor(mode_);
}

bool FlashMemoryLogic::Import() {
  const auto chosen = files_.ChooseFileToOpen({kBurnFileFilter, InitialFileName(), false});
  if (!chosen || !FileReadable(*chosen)) return false;
  burnFilePath_ = *chosen;
  buttons_ = ActionButtonsFor(mode_);
  return true;
}

BurnResult FlashMemoryLogic::BurnOnce(const ProgressDisplay& display) {
  MainWindowState& s = tester_.state();
  s.burnProgress = 0;
  if (display) display(0);
  BurnResult result = BurnConfigurationFile(tester_.controller(), burnFilePath_, s.burnImage, [&](int percent) {
    s.burnProgress = percent;
    if (display) display(percent);
  });
  if (result.outcome == BurnOutcome::FileRefused)
    tester_.presenter().ShowMessage(result.message, "", MessageIcon::None, MessageButtons::Ok);
  return result;
}

}  // namespace vn
