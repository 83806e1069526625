#include <ostream>

#include "cli/commands.h"

namespace vn::cli {

int RunInfo(CommandContext& context) {
  context.err << "info: not yet available\n";
  return kExitBoard;
}

}  // namespace vn::cli
