// What the rules of the sample dialog need of its window: the rows of the
// list with their tick boxes, the deviation edits and radios, and which
// buttons are enabled. The Qt dialog implements it; the tests use a plain
// record of it.
#pragma once

#include <cstddef>
#include <string>

#include "samples/deviation_exchange.h"
#include "samples/sample_list.h"

namespace vn {

enum class ArrangeSampleControl {
  CaptureButton,       // "获取一个样本"
  AverageButton,       // "生成平均样本"
  ClearButton,         // "清空列表"
  UseButton,           // "使用选中样本"
  ImportButton,        // "导入样本文件"
  ExportButton,        // "导出样本文件"
  SelectAllBox,        // "全选" / "全部取消"
  AbsoluteControls,    // the labels and edits of "绝对偏差"
  PercentageControls,  // the labels, edits and "%" of "偏差百分比"
};

class ArrangeSampleView {
 public:
  virtual ~ArrangeSampleView() = default;

  virtual void InsertRow(std::size_t row, const SampleRowTexts& texts) = 0;  // unticked
  virtual void RemoveAllRows() = 0;
  virtual std::size_t RowCount() const = 0;
  virtual bool RowTicked(std::size_t row) const = 0;
  virtual void SetRowTicked(std::size_t row, bool ticked) = 0;

  virtual DeviationEditTexts DeviationTexts() const = 0;
  // The radio checked, or -1 when neither is.
  virtual int DeviationMethodChoice() const = 0;
  // Radios and edits show the settings.
  virtual void ShowDeviation(const DeviationSettings& settings) = 0;
  virtual void FocusDeviationEdit(std::size_t edit) = 0;

  virtual void SetEnabled(ArrangeSampleControl control, bool enabled) = 0;
  // The select-all box, its tick and its caption.
  virtual void ShowSelectAll(bool ticked, const std::string& caption) = 0;
};

}  // namespace vn
