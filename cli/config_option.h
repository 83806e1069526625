// "--config FILE" of the commands that test films: the configuration text
// file applied to the session's tester.
#pragma once

#include <string>

#include "cli/session.h"

namespace vn::cli {

// Applies the configuration file. When it is refused, the judgement basis is
// no longer ready and the operator's message (with the failing line) goes to
// the session's error stream.
bool LoadConfiguration(Session& session, const std::string& path);

}  // namespace vn::cli
