#include "dialog_test_support.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "platform/atomic_file.h"

namespace vn::dialog_test {

DialogRig::DialogRig() : rig_(std::make_unique<test::TesterRig>(FilmProfile{}, dir_.path().toStdString())) {}

std::string DialogRig::Path(const std::string& relative) const {
  return (dir_.path() + QLatin1Char('/') + QString::fromStdString(relative)).toStdString();
}

bool DialogRig::Put(const std::string& path, const std::string& bytes) {
  return static_cast<bool>(WriteFileAtomically(path, bytes));
}

void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void CloseWindow(QWidget* window) { window->close(); }

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(5);
  }
  return true;
}

}  // namespace vn::dialog_test
