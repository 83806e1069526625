// Confirming the configuration in force under a judgement basis: when the
// configuration dialog closes, and when the window starts with a
// configuration file given on its command line. The value range is ready at
// once ("配置文件正确"); sample deviation is ready only once a sample is in
// use, and until then the log says why "开始" stays grey.
#pragma once

#include "engine/tester.h"

namespace vn {

inline constexpr char kNoSampleInUseLine[] =
    "判定依据为样本偏差，尚未使用样本，“开始”不可用：请在“整理样本”中选中一个样本，点击“使用选中样本”";

// criterion 0 value range, 1 sample deviation. "整理样本" follows the
// criterion and "开始" the readiness and the link.
void ConfirmConfiguration(Tester& tester, int criterion);

}  // namespace vn
