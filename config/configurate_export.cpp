// "导出配置": the dialog's values into a configuration text file and, once
// the file is written, into the main record.
#include "config/config_file.h"
#include "config/configurate_logic.h"

namespace vn {

bool ConfigurateLogic::Export() {
  // What is checked and written is what the edits hold now.
  if (!ExchangeIn()) return false;
  const auto invalid = ValidateMembers(state_.members);
  state_.lastValid = !invalid;
  if (invalid) {
    Show(*invalid);
    return false;
  }
  const auto chosen = files_.ChooseFileToSave({kConfigFileFilter, InitialFileName(), true});
  if (!chosen) return false;
  const std::string path = ConfigExportPath(*chosen);
  const ConfigWriteResult written = WriteConfigFile(path, RecordForExport(state_));
  if (!written.ok()) {
    Show(written.message);
    return false;
  }
  state_.filePath = path;
  ExchangeOut();
  MainWindowState& s = tester_.state();
  ApplyToRecord(state_, s.testParameters);
  s.criterion = state_.members.criterionChoice;
  return true;
}

}  // namespace vn
