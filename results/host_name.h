// The computer's name, the default station name of a record.
#pragma once

#include <functional>
#include <string>

namespace vn {

using HostNameSource = std::function<std::string()>;

// "unknown" when the system does not say.
std::string HostName();

}  // namespace vn
