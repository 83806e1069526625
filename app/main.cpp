// vn4820-tester: the production tester's window.
#include <string>
#include <vector>

#include <QApplication>

#include "app/CMyUsbHidTestAppApp.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);  // takes the toolkit's own options out of argv
  std::vector<std::string> arguments(argv + 1, argv + argc);
  vn::app::CMyUsbHidTestAppApp app;
  return app.Run(arguments);
}
