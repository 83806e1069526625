// A message for the operator, produced by the core and shown by whoever
// presents it (a message box in the GUI, a line on the terminal in the CLI).
#pragma once

#include <string>

#include "platform/presenter.h"

namespace vn {

struct OperatorMessage {
  std::string text;
  std::string caption;  // empty: the application title
  MessageIcon icon = MessageIcon::None;

  friend bool operator==(const OperatorMessage&, const OperatorMessage&) = default;
};

}  // namespace vn
