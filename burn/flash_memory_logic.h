// The rules of the burn dialog "烧录文件": the controller's version label
// with its colours, choosing the ".xcfg" file, the burn modes and the action
// button each one enables, and "执行一次烧录".
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "burn/burn_objects.h"
#include "engine/tester.h"
#include "platform/file_chooser.h"

namespace vn {

inline constexpr char kBurnFileFilter[] = "烧录文件(*.xcfg)|*.xcfg||";

// The modes of the radio group "烧录方式".
inline constexpr int kManualBurn = 0;      // "手动": "执行一次烧录"
inline constexpr int kContinuousBurn = 1;  // "自动连续": "开始烧录"
inline constexpr int kOfflineBurn = 2;     // "脱机": "更新主板烧录文件"

// Colours are 0x00BBGGRR.
struct VersionLabelStyle {
  std::string text;  // "IC版本:" + the version text
  std::uint32_t textColour = 0;
  std::uint32_t backgroundColour = 0;
  std::string faceName = "宋体";
  int tenthsOfPoint = 200;

  friend bool operator==(const VersionLabelStyle&, const VersionLabelStyle&) = default;
};

// "1.0" green on light grey, "1.1" blue on light grey, anything else red on black.
VersionLabelStyle VersionLabelFor(const std::string& firmwareVersionText);

// Which of "执行一次烧录", "开始烧录" and "更新主板烧录文件" is enabled.
struct BurnActionButtons {
  bool burnOnce = false;
  bool startBurning = false;
  bool updateBoardFile = false;

  friend bool operator==(const BurnActionButtons&, const BurnActionButtons&) = default;
};

// The action button of the mode, the other two disabled.
BurnActionButtons ActionButtonsFor(int mode);

class FlashMemoryLogic {
 public:
  FlashMemoryLogic(Tester& tester, FileChooser& files);

  int mode() const { return mode_; }
  const std::string& burnFilePath() const { return burnFilePath_; }
  // No file chosen: all three disabled.
  const BurnActionButtons& buttons() const { return buttons_; }
  VersionLabelStyle VersionLabel() const;
  std::string InitialFileName() const;  // <appDirectory>/Config/.xcfg

  // A mode radio clicked: the buttons follow once a file has been chosen.
  void ChooseMode(int mode);
  // "导入文件": true when a readable file was chosen and taken.
  bool Import();

  // "执行一次烧录": the progress is shown through `display` after each
  // object; a refused file gives its message and writes nothing.
  using ProgressDisplay = std::function<void(int percent)>;
  BurnResult BurnOnce(const ProgressDisplay& display);

 private:
  Tester& tester_;
  FileChooser& files_;
  int mode_ = kManualBurn;
  std::string burnFilePath_;
  BurnActionButtons buttons_;
};

}  // namespace vn
