// What the configuration dialog's rules need of its window: the texts of the
// six edits, showing the members and the list checks, the state of
// "定义多行按键" and the focus of an edit. The Qt dialog implements it; the
// tests use a plain record of it.
#pragma once

#include <cstddef>

#include "config/configurate_state.h"

namespace vn {

class ConfigurateView {
 public:
  virtual ~ConfigurateView() = default;

  virtual ConfigurateEditTexts EditTexts() const = 0;
  // The edits and the criterion radios show the members.
  virtual void ShowMembers(const ConfigurateMembers& members) = 0;
  // The six lists show the check states; no change notifications follow.
  virtual void ShowChecks(const ConfigurateState& state) = 0;
  virtual void SetMultiKeyButtonEnabled(bool enabled) = 0;
  virtual void FocusEdit(std::size_t edit) = 0;
  // One edit shows this text; the others keep what the operator typed.
  virtual void ShowEditText(std::size_t edit, const std::string& text) = 0;
};

}  // namespace vn
