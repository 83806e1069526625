// Creation, settings and closing of the sample dialog, and the helpers of its operations.
#include "samples/arrange_sample_logic.h"

#include "platform/paths.h"
#include "samples/sample_messages.h"

namespace vn {

ArrangeSampleLogic::ArrangeSampleLogic(Tester& tester, ArrangeSampleView& view, FileChooser& files)
    : tester_(tester), view_(view), files_(files) {}

std::string ArrangeSampleLogic::InitialFileName() const {
  return JoinPath(JoinPath(tester_.state().appDirectory, "Sample"), ".ini");
}

void ArrangeSampleLogic::Create() {
  const SampleSettingsReadResult read = ReadSampleSettings(tester_.state().appDirectory);
  // An unreadable file leaves the initial settings, capacity 0 among them.
  settings_ = read.settings;
  if (!read.ok()) Show(read.message);
  list_ = SampleList(settings_.NumberOfSamplesListMAX);
  ShowMethodControls();
  for (const auto control : {ArrangeSampleControl::AverageButton, ArrangeSampleControl::ClearButton,
                             ArrangeSampleControl::ImportButton, ArrangeSampleControl::ExportButton})
    view_.SetEnabled(control, true);
  view_.SetEnabled(ArrangeSampleControl::SelectAllBox, false);
  view_.ShowSelectAll(false, kSelectAllCaption);
  LinkTick();
  ShowSettings();
}

void ArrangeSampleLogic::SelectAll(bool ticked) {
  for (std::size_t row = 0; row < list_.entryCount() && row < view_.RowCount(); ++row) view_.SetRowTicked(row, ticked);
  view_.ShowSelectAll(ticked, ticked ? kUnselectAllCaption : kSelectAllCaption);
}

void ArrangeSampleLogic::ChooseDeviationMethod(int method) {
  settings_.deviation.DeviationMethod = method;
  ShowMethodControls();
}

void ArrangeSampleLogic::Close() {
  TakeSettings();
  const SampleSettingsWriteResult written =
      WriteSampleSettings(tester_.state().appDirectory, settings_, tester_.state().configFilePath);
  if (!written.ok) Show(written.message);
  ShowSettings();
}

bool ArrangeSampleLogic::AddRow(const SampleRecord& record) {
  const auto row = list_.Add(record.path);
  if (!row) {
    Show(SampleDialogMessage(kSampleListFullText));
    return false;
  }
  record_ = record;
  view_.InsertRow(*row, SampleRowTextsFor(*row, record));
  return true;
}

std::vector<std::size_t> ArrangeSampleLogic::TickedEntries() const {
  std::vector<bool> ticked;
  for (std::size_t row = 0; row < list_.entryCount() && row < view_.RowCount(); ++row)
    ticked.push_back(view_.RowTicked(row));
  return list_.TickedEntries(ticked);
}

bool ArrangeSampleLogic::ListEmpty() {
  if (list_.entryCount() != 0) return false;
  Show(SampleDialogMessage(kSampleListEmptyText));
  return true;
}

// The settings from the controls; an entry with a message stops the reading
// there, and the operation goes on with what was taken.
void ArrangeSampleLogic::TakeSettings() {
  DeviationSettings& d = settings_.deviation;
  const int choice = view_.DeviationMethodChoice();
  if (choice == kAbsoluteDeviation || choice == kPercentageDeviation) d.DeviationMethod = choice;
  const auto failure = ExchangeDeviationEdits(view_.DeviationTexts(), d, tester_.presenter());
  if (failure) view_.FocusDeviationEdit(failure->field);
}

void ArrangeSampleLogic::ShowSettings() { view_.ShowDeviation(settings_.deviation); }

void ArrangeSampleLogic::ShowMethodControls() {
  const int method = settings_.deviation.DeviationMethod;
  if (method == kAbsoluteDeviation || method == kPercentageDeviation) {
    view_.SetEnabled(ArrangeSampleControl::AbsoluteControls, method == kAbsoluteDeviation);
    view_.SetEnabled(ArrangeSampleControl::PercentageControls, method == kPercentageDeviation);
  }
}

void ArrangeSampleLogic::Show(const OperatorMessage& message) {
  tester_.presenter().ShowMessage(message.text, message.caption, message.icon, MessageButtons::Ok);
}

}  // namespace vn
