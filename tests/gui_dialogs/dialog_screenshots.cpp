// Renders each dialog on the offscreen platform into a PNG file of the given
// folder (default: the working directory): dialog-configurate.png,
// dialog-define-multi-keys.png, dialog-main-interface-control.png,
// dialog-arrange-sample.png and dialog-flash-memory.png.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "burn/CFlashMemory.h"
#include "config/CChannelCheckList.h"
#include "config/CConfigurate.h"
#include "config/CDefineMultiKeys.h"
#include "config/CMainInterfaceControl.h"
#include "dialog_test_support.h"
#include "samples/CArrangeSample.h"
#include "samples/sample_paths.h"

namespace vn {
namespace {

using dialog_test::DialogRig;

bool Save(QWidget& dialog, const QDir& folder, const char* name) {
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) return false;
  QTest::qWait(50);
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool saved = dialog.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  dialog.hide();
  return saved;
}

bool Configurate(const QDir& folder) {
  DialogRig rig;
  CConfigurate dialog(rig.tester(), rig.files);
  for (int i : {28, 29, 30}) dialog.list(ChannelAxis::X, ChannelList::KeyArea)->item(i)->setCheckState(Qt::Checked);
  for (int i : {50, 51}) dialog.list(ChannelAxis::Y, ChannelList::KeyArea)->item(i)->setCheckState(Qt::Checked);
  return Save(dialog, folder, "dialog-configurate.png");
}

bool MultiKeys(const QDir& folder) {
  test::RecordingPresenter presenter;
  KeyChannels x;
  KeyChannels y;
  for (std::size_t c : {28, 29, 30}) x.flags[c] = 1;
  for (std::size_t c : {50, 51}) y.flags[c] = 1;
  x.count = 3;
  y.count = 2;
  KeyMatrix matrix{};
  matrix[0][0] = matrix[1][1] = matrix[0][2] = 1;
  bool edited = false;
  CDefineMultiKeys dialog(presenter, x, y, {matrix, edited});
  return Save(dialog, folder, "dialog-define-multi-keys.png");
}

bool MainInterface(const QDir& folder) {
  DialogRig rig;
  rig.state().autoRefreshEnabled = 1;
  rig.state().diffCriterionEnabled = 1;
  CMainInterfaceControl dialog(rig.tester());
  return Save(dialog, folder, "dialog-main-interface-control.png");
}

bool ArrangeSample(const QDir& folder) {
  DialogRig rig;
  if (!DialogRig::Put(SampleSettingsPath(rig.AppDirectory()),
                      "[TestStandards]\r\nDeviationMethod=1\r\nRelativeDeviationNegative=10\r\n"
                      "RelativeDeviationPositive=10\r\n[SampleInformation]\r\nNumberOfSamplesListMAX=10\r\n"))
    return false;
  if (!rig.rig().Connect()) return false;
  CArrangeSample dialog(rig.tester(), rig.files);
  QObject::connect(&dialog, &CArrangeSample::captureTimerRequested, [&] {
    QTimer::singleShot(0, [&] {
      const RunOutcome outcome = rig.tester().RunTest();
      dialog.StoreCapturedSample(outcome);
      rig.state().captureRequested = 0;
    });
  });
  for (int i = 0; i < 3; ++i) {
    auto* capture = qobject_cast<QPushButton*>(dialog.control(1063));
    if (!dialog_test::WaitFor([&] { return capture->isEnabled(); })) return false;
    capture->click();
    if (!dialog_test::WaitFor([&] { return dialog.sampleList()->rowCount() == i + 1; })) return false;
  }
  dialog.sampleList()->item(1, 0)->setCheckState(Qt::Checked);
  return Save(dialog, folder, "dialog-arrange-sample.png");
}

bool FlashMemory(const QDir& folder) {
  DialogRig rig;
  if (!rig.rig().Connect()) return false;
  CFlashMemory dialog(rig.tester(), rig.files);
  rig.files.answers = {std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg"};
  qobject_cast<QPushButton*>(dialog.control(1152))->click();
  qobject_cast<QPushButton*>(dialog.control(1158))->click();
  return Save(dialog, folder, "dialog-flash-memory.png");
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
  bool ok = vn::Configurate(folder);
  ok = vn::MultiKeys(folder) && ok;
  ok = vn::MainInterface(folder) && ok;
  ok = vn::ArrangeSample(folder) && ok;
  ok = vn::FlashMemory(folder) && ok;
  return ok ? 0 : 1;
}
