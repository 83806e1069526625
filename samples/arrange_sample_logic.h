// The rules of the sample dialog "整理样本": creation with the settings of
// the additional-parameters file, capture through the main window's timer 4,
// averaging, clearing, import, export, putting a sample into use, select all,
// the deviation rule and closing. They work on the tester's main-window
// state through the samples core and talk to the operator through the
// tester's presenter, the dialog's view and the file chooser.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/tester.h"
#include "platform/file_chooser.h"
#include "samples/arrange_sample_view.h"
#include "samples/sample_list.h"
#include "samples/sample_record.h"
#include "samples/sample_settings_file.h"

namespace vn {

inline constexpr char kSampleFileFilter[] = "文本文件(*.ini)|*.ini||";
inline constexpr char kNoSampleTickedForExportText[] = "请先在“□”打钩选中至少1个样本，再点击“导出样本文件”";
inline constexpr char kSelectAllCaption[] = "全选";
inline constexpr char kUnselectAllCaption[] = "全部取消";

enum class CaptureStart { Requested, Refused };

class ArrangeSampleLogic {
 public:
  ArrangeSampleLogic(Tester& tester, ArrangeSampleView& view, FileChooser& files);

  // Once, when the dialog is created: the settings (or, when the file cannot
  // be read, its message and the initial settings), the enabled buttons.
  void Create();
  // Timer 10: the capture button follows the link and the pending capture.
  void LinkTick() { UpdateCaptureButton(); }

  // "获取一个样本": raises the capture request, or refuses a full list (or
  // one of capacity 0, saying which setting to change).
  CaptureStart Capture();
  // Timer 4 of the main window, after its capture run: the run's values
  // become a sample file (a run that was aborted writes none).
  void StoreCapturedSample(const RunOutcome& outcome);
  // Timer 11: true once the capture has finished (the sample, if one was
  // written, is then listed).
  bool CaptureFinished();

  void Average();   // "生成平均样本"
  void Clear();     // "清空列表"
  void Import();    // "导入样本文件"
  void Export();    // "导出样本文件"
  void UseSelected();  // "使用选中样本"
  void SelectAll(bool ticked);  // "全选" / "全部取消"
  void ChooseDeviationMethod(int method);  // "绝对偏差" 0, "偏差百分比" 1
  // The close box: the settings are written to the additional-parameters file.
  void Close();

  const SampleList& list() const { return list_; }
  const SampleSettings& settings() const { return settings_; }
  const SampleRecord& record() const { return record_; }
  std::string InitialFileName() const;  // <appDirectory>/Sample/.ini

 private:
  bool AddRow(const SampleRecord& record);
  void UpdateCaptureButton();
  std::vector<std::size_t> TickedEntries() const;
  bool ListEmpty();
  void TakeSettings();
  void ShowSettings();
  void ShowMethodControls();
  void Show(const OperatorMessage& message);

  Tester& tester_;
  ArrangeSampleView& view_;
  FileChooser& files_;
  SampleSettings settings_;
  SampleList list_;
  SampleRecord record_;                        // the sample last listed or put into use
  std::optional<SampleRecord> capturedSample_;  // written by the last capture run
  bool capturePending_ = false;                 // from the request until timer 11 sees it done
};

}  // namespace vn
