#include "app/message_answerer.h"

#include <QMessageBox>
#include <QString>

namespace vn::app {

namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageResult ToResult(int button) {
  switch (button) {
    case QMessageBox::Cancel: return MessageResult::Cancel;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Ok;
  }
}

}  // namespace

MessageResult ShowMessageBox(const MessageRequest& request) {
  QMessageBox box(ToIcon(request.icon), QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), ToButtons(request.buttons), request.owner);
  return ToResult(box.exec());
}

}  // namespace vn::app
