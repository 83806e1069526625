// Keys of the main window: Enter never closes or triggers anything, Space
// runs a test while Start is enabled. Keys of other windows (the dialogs)
// are left alone.
#include <QKeyEvent>
#include <QPushButton>

#include "app/CMyUsbHidTestAppDlg.h"

namespace vn::app {

namespace {

bool BelongsTo(QObject* watched, const QWidget* window) {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget != nullptr && widget->window() == window;
}

}  // namespace

bool CMyUsbHidTestAppDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) OnClientResized();
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && BelongsTo(watched, this))
    return HandleKey(static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

bool CMyUsbHidTestAppDlg::HandleKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;
    case Qt::Key_Space:
      if (!startButton_->isEnabled()) return false;
      // The key is taken here, so a focused button is not clicked by it as
      // well; a held key runs one test, not one per repeat.
      if (event->type() == QEvent::KeyPress && !event->isAutoRepeat()) RunTest();
      return true;
    default:
      return false;
  }
}

}  // namespace vn::app
