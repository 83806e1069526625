// The controls of the main window, numbered as the window has always
// numbered them; the layout tables and the tests name controls by these.
#pragma once

namespace vn::app {

enum ControlId : int {
  kStartButtonId = 1003,
  kValueListId = 1007,
  kLogId = 1008,
  kOkCountId = 1013,
  kNgCountId = 1014,
  kYieldId = 1018,
  kOkLabelId = 1019,
  kNgLabelId = 1020,
  kClearButtonId = 1021,
  kYieldLabelId = 1022,
  kVerdictId = 1023,
  kDifferenceListId = 1098,
};

}  // namespace vn::app
