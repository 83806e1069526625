// The application: one copy at a time ("serverassistant"), the main window
// on the board the options choose, the start-up script, the event loop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app_options.h"
#include "app/message_answerer.h"

namespace vn::app {

class CMyUsbHidTestAppDlg;

struct AppEnvironment {
  std::string lockDirectory;  // where the single-instance lock lives; empty: the temporary directory
  MessageAnswerer answerer;   // empty: real message boxes
};

class CMyUsbHidTestAppApp {
 public:
  static constexpr int kExitOk = 0;
  static constexpr int kExitUsage = 2;

  explicit CMyUsbHidTestAppApp(AppEnvironment environment = {});

  // Arguments without the program name and without the toolkit's own
  // options. Returns the exit code. A second copy ends at once with 0 and
  // shows nothing. Needs a QApplication.
  int Run(const std::vector<std::string>& arguments);

 private:
  int RunWindow(const AppOptions& options);

  AppEnvironment environment_;
};

// The single-instance name.
inline constexpr char kSingleInstanceName[] = "serverassistant";

}  // namespace vn::app
