// The operator's texts of the golden-sample operations. The core returns
// them; the sample dialog or the CLI shows them.
#pragma once

#include <string>

#include "config/operator_message.h"

namespace vn {

inline constexpr char kSampleDialogCaption[] = "提示";
inline constexpr char kSampleListEmptyText[] = "列表为空，请先获取样本或者导入样本文件";
inline constexpr char kSampleListFullText[] = "列表已满，请清空！";
inline constexpr char kTooFewSamplesForAverageText[] = "请先在“□”打钩选中至少3个样本，再点击“生成平均样本”";
inline constexpr char kNoSampleTickedForUseText[] = "请先在“□”打钩选中1个样本，再点击“使用选中样本”";
inline constexpr char kTooManySamplesForUseText[] = "最多只能选择1个样本用于测试";
// The log line once a sample is in use as the judgement basis.
inline constexpr char kSampleInUseLogLine[] = "配置文件正确";

// A message of the sample dialog: caption "提示", exclamation icon.
OperatorMessage SampleDialogMessage(const std::string& text);

// A capture refused because the sample list's capacity (`NumberOfSamplesListMAX`)
// reads as 0: says which key of which file to set, and that the program reads
// it at start-up.
OperatorMessage SampleCapacityZeroMessage(const std::string& settingsPath);

// A capture whose run was aborted: no sample was written.
inline constexpr char kCaptureAbortedText[] = "测试中止，未获取样本，请检查测试板后重试";

// 打开文件 "<path> "失败！ with the application title as caption.
OperatorMessage FileOpenFailedMessage(const std::string& path);

// <path>写入失败！ with the application title as caption.
OperatorMessage FileWriteFailedMessage(const std::string& path);

}  // namespace vn
