// The sample dialog's rules on a tester with the simulated board, a view
// that only records, and file dialogs answered from a script.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "samples/arrange_sample_logic.h"
#include "samples/sample_capture.h"
#include "samples/sample_paths.h"
#include "support/scripted_file_chooser.h"
#include "support/tester_rig.h"

namespace vn::test {

class RecordingSampleView : public ArrangeSampleView {
 public:
  struct Row {
    SampleRowTexts texts;
    bool ticked = false;
  };

  void InsertRow(std::size_t row, const SampleRowTexts& texts) override {
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(row), Row{texts, false});
  }
  void RemoveAllRows() override { rows.clear(); }
  std::size_t RowCount() const override { return rows.size(); }
  bool RowTicked(std::size_t row) const override { return rows.at(row).ticked; }
  void SetRowTicked(std::size_t row, bool ticked) override { rows.at(row).ticked = ticked; }
  DeviationEditTexts DeviationTexts() const override { return edits; }
  int DeviationMethodChoice() const override { return method; }
  void ShowDeviation(const DeviationSettings& settings) override {
    edits = FormatDeviationEdits(settings);
    method = settings.DeviationMethod == 0 || settings.DeviationMethod == 1 ? settings.DeviationMethod : -1;
  }
  void FocusDeviationEdit(std::size_t edit) override { focused = edit; }
  void SetEnabled(ArrangeSampleControl control, bool on) override { enabled[control] = on; }
  void ShowSelectAll(bool ticked, const std::string& caption) override {
    selectAllTicked = ticked;
    selectAllCaption = caption;
  }

  bool Enabled(ArrangeSampleControl control) const {
    const auto it = enabled.find(control);
    return it != enabled.end() && it->second;
  }
  void Tick(std::initializer_list<std::size_t> which) {
    for (const std::size_t row : which) rows.at(row).ticked = true;
  }

  std::vector<Row> rows;
  DeviationEditTexts edits;
  int method = -1;
  std::size_t focused = 99;
  std::map<ArrangeSampleControl, bool> enabled;
  bool selectAllTicked = false;
  std::string selectAllCaption;
};

class ArrangeSampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root = std::filesystem::temp_directory_path() /
           ("vn4820-arrange-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
            std::to_string(std::random_device{}()));  // apart from runs of other build trees
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    rig = std::make_unique<TesterRig>(FilmProfile{}, root.string());
    logic = std::make_unique<ArrangeSampleLogic>(rig->tester, view, files);
  }
  void TearDown() override {
    logic.reset();
    rig.reset();
    std::filesystem::remove_all(root);
  }

  void WriteSettings(const std::string& sampleInformation) {
    std::ofstream(SampleSettingsPath(root.string()), std::ios::binary)
        << "[TestStandards]\r\nDeviationMethod=0\r\nAbsoluteDeviationNegative=500\r\n"
           "AbsoluteDeviationPositive=800\r\n[SampleInformation]\r\n"
        << sampleInformation;
  }
  // The capture button, then timer 4 of the main window, then timer 11.
  bool CaptureOne() {
    if (logic->Capture() != CaptureStart::Requested) return false;
    if (logic->CaptureFinished()) return false;  // still pending
    const RunOutcome outcome = rig->tester.RunTest(RunPurpose::SampleCapture);
    logic->StoreCapturedSample(outcome);
    rig->tester.state().captureRequested = 0;
    return logic->CaptureFinished();
  }
  std::string Path(const std::string& name) const { return (root / name).string(); }
  RecordingPresenter& presenter() { return rig->presenter; }

  std::filesystem::path root;
  std::unique_ptr<TesterRig> rig;
  RecordingSampleView view;
  ScriptedFileChooser files;
  std::unique_ptr<ArrangeSampleLogic> logic;
};

}  // namespace vn::test
