#include "cli/cli.h"

int main(int argc, char** argv) { return vn::cli::Main(argc, argv); }
