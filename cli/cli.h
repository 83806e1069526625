// vn4820-cli: the headless front end on the tester's core.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vn::cli {

// Runs one command line (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int Main(int argc, char** argv);

}  // namespace vn::cli
