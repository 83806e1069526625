// Message boxes of the main window go through an answerer: by default a real
// modal message box, in the tests a script that answers without blocking.
#pragma once

#include <functional>
#include <string>

#include "platform/presenter.h"

class QWidget;

namespace vn::app {

struct MessageRequest {
  QWidget* owner = nullptr;
  std::string text;
  std::string caption;  // never empty: the application title stands in
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

using MessageAnswerer = std::function<MessageResult(const MessageRequest&)>;

// A modal message box owned by the request's owner.
MessageResult ShowMessageBox(const MessageRequest& request);

}  // namespace vn::app
