// The configuration dialog's rules on a tester with the simulated board, a
// view that only records, and file dialogs answered from a script.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "config/configurate_logic.h"
#include "platform/atomic_file.h"
#include "support/scripted_file_chooser.h"
#include "support/tester_rig.h"

namespace vn::test {

class RecordingConfigurateView : public ConfigurateView {
 public:
  ConfigurateEditTexts EditTexts() const override { return edits; }
  void ShowMembers(const ConfigurateMembers& members) override { edits = FormatConfigurateEdits(members); }
  void ShowChecks(const ConfigurateState& state) override { shownChecks = {state.x, state.y}; }
  void SetMultiKeyButtonEnabled(bool enabled) override { multiKeyEnabled = enabled; }
  void FocusEdit(std::size_t edit) override { focused = edit; }
  void ShowEditText(std::size_t edit, const std::string& text) override { edits[edit] = text; }

  ConfigurateEditTexts edits;
  std::pair<AxisChecks, AxisChecks> shownChecks;
  bool multiKeyEnabled = false;
  std::size_t focused = 99;
};

class ConfigurateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root = std::filesystem::temp_directory_path() /
           ("vn4820-configurate-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
            std::to_string(std::random_device{}()));  // apart from runs of other build trees
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    rig = std::make_unique<TesterRig>(FilmProfile{}, root.string());
    logic = std::make_unique<ConfigurateLogic>(rig->tester, view, files);
  }
  void TearDown() override {
    logic.reset();
    rig.reset();
    std::filesystem::remove_all(root);
  }

  std::string Path(const std::string& name) const { return (root / name).string(); }
  void Put(const std::string& path, const std::string& bytes) const {
    ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
  }
  MainWindowState& state() { return rig->tester.state(); }
  RecordingPresenter& presenter() { return rig->presenter; }
  bool Logged(const std::string& line) const { return rig->tester.log().Contains(line); }

  std::filesystem::path root;
  std::unique_ptr<TesterRig> rig;
  RecordingConfigurateView view;
  ScriptedFileChooser files;
  std::unique_ptr<ConfigurateLogic> logic;
};

}  // namespace vn::test
