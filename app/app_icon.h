// The tester's window icon: a lit segment "8" on black.
#pragma once

#include <QIcon>

namespace vn::app {

QIcon ApplicationIcon();

}  // namespace vn::app
