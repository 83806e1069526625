// "生成平均样本" and "使用选中样本".
#include "samples/arrange_sample_logic.h"
#include "samples/sample_averaging.h"
#include "samples/sample_file_writer.h"
#include "samples/sample_messages.h"
#include "samples/sample_use.h"

namespace vn {

void ArrangeSampleLogic::Average() {
  if (ListEmpty()) return;
  const MainWindowState& s = tester_.state();
  const SampleAverageResult average = AverageSamples(list_.PathsOf(TickedEntries()), s.testParameters);
  if (!average.ok) {
    Show(average.message);
    return;
  }
  if (list_.Full()) {  // no file that could never be listed
    Show(SampleDialogMessage(kSampleListFullText));
    return;
  }
  const SampleWriteResult written = WriteAverageSample(s, average.values);
  if (!written.ok()) {
    Show(written.message);
    return;
  }
  AddRow(written.record);
}

void ArrangeSampleLogic::UseSelected() {
  TakeSettings();
  view_.SetEnabled(ArrangeSampleControl::UseButton, false);
  if (!ListEmpty()) {
    const SampleUseResult use =
        UseSelectedSample(tester_, record_, list_.PathsOf(TickedEntries()), settings_.deviation);
    if (!use.message.text.empty()) Show(use.message);
  }
  view_.SetEnabled(ArrangeSampleControl::UseButton, true);
  ShowSettings();
}

}  // namespace vn
