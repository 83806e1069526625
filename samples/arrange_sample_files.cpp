// "导入样本文件", "导出样本文件" and "清空列表".
#include "platform/file_readable.h"
#include "samples/arrange_sample_logic.h"
#include "samples/sample_export.h"
#include "samples/sample_header_reader.h"
#include "samples/sample_messages.h"
#include "samples/sample_work_directory.h"

namespace vn {

void ArrangeSampleLogic::Import() {
  const auto chosen = files_.ChooseFileToOpen({kSampleFileFilter, InitialFileName(), false});
  if (!chosen || !FileReadable(*chosen)) return;
  if (list_.Full()) {
    Show(SampleDialogMessage(kSampleListFullText));
    return;
  }
  const SampleHeaderResult header = ReadSampleHeader(*chosen);
  if (!header.ok()) {
    Show(header.message);
    return;
  }
  AddRow(header.record);
}

void ArrangeSampleLogic::Export() {
  if (ListEmpty()) return;
  const std::vector<std::size_t> ticked = TickedEntries();
  if (ticked.empty()) {
    Show(SampleDialogMessage(kNoSampleTickedForExportText));
    return;
  }
  for (const std::size_t entry : ticked) {
    const auto chosen = files_.ChooseFileToSave({kSampleFileFilter, InitialFileName(), true});
    if (chosen) {
      const SampleExportResult exported = ExportSampleFile(list_.Path(entry), SampleExportPath(*chosen));
      if (!exported.copied && !exported.message.text.empty()) Show(exported.message);
    }
    view_.SetRowTicked(entry, false);
  }
}

void ArrangeSampleLogic::Clear() {
  view_.RemoveAllRows();
  list_.Clear();
  view_.SetEnabled(ArrangeSampleControl::AverageButton, false);
  view_.SetEnabled(ArrangeSampleControl::SelectAllBox, false);
  view_.ShowSelectAll(false, kSelectAllCaption);
  DeleteSampleFiles(tester_.state().sampleWorkDirectory);
}

}  // namespace vn
