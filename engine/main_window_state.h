// The state the main window holds for the whole life of the program, with the
// defaults a new main window starts from. The link flags, the pending request
// and the object mirrors live with the link and the controller layer.
#pragma once

#include <string>

#include "burn/burn_image.h"
#include "config/test_parameters.h"
#include "engine/margin.h"
#include "engine/node_judgement.h"
#include "engine/run_state.h"
#include "engine/verdict.h"
#include "samples/sample_limits.h"

namespace vn {

inline constexpr char kApplicationTitle[] = "VN4820双层功能片测试软件";

struct MainWindowState {
  std::string appDirectory;         // base of the "Config" files
  std::string sampleWorkDirectory;  // where captured samples go
  int labelFontSize = 200;          // tenths of a point
  int verdictFontSize = 700;

  TestParameters testParameters;
  int criterion = 0;  // 0 value range, 1 sample deviation
  int criterionReady = 0;
  std::uint8_t configErrorLine = 0;
  std::string configFilePath;

  DifferenceLimits differenceLimits;  // vaDiffLower 3000, vaDiffUpper 10000, key the same
  int diffCriterionEnabled = 0;
  int sheetType = 0;  // 0 "GFF /GG /PG", 1 "OGS /单层多点"
  int autoRefreshEnabled = 0;
  int refreshIntervalMs = 0;
  int refreshIntervalIndex = 1;
  MarginSetting margin;  // marginal nodes are looked for only when the station sets a margin

  Counters counters;
  std::string verdictText = "WAIT";
  std::string runMessage;
  RunState run;

  SampleLimits sampleLimits;
  int captureRequested = 0;

  BurnImage burnImage;
  int burnProgress = 0;  // percent, 0..100
};

}  // namespace vn
