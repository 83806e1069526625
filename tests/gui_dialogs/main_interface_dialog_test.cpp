// The main-interface dialog "主界面控制" on the offscreen platform.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "config/CMainInterfaceControl.h"
#include "dialog_test_support.h"

namespace vn {

using dialog_test::DialogRig;

namespace {

// The order in which the close procedure asked the main window.
struct Requests {
  explicit Requests(CMainInterfaceControl& dialog) {
    QObject::connect(&dialog, &CMainInterfaceControl::refreshTimerStartRequested,
                     [this](int ms) { calls << QStringLiteral("start %1").arg(ms); });
    QObject::connect(&dialog, &CMainInterfaceControl::refreshTimerStopRequested,
                     [this] { calls << QStringLiteral("stop"); });
    QObject::connect(&dialog, &CMainInterfaceControl::screenLayoutRequested,
                     [this] { calls << QStringLiteral("layout"); });
  }
  QStringList calls;
};

QLineEdit* Edit(CMainInterfaceControl& d, int id) { return qobject_cast<QLineEdit*>(d.control(id)); }

}  // namespace

class MainInterfaceDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheDefaults() {
    DialogRig rig;
    CMainInterfaceControl dialog(rig.tester());
    auto* intervals = qobject_cast<QComboBox*>(dialog.control(1166));
    QCOMPARE(intervals->count(), 5);
    QCOMPARE(intervals->currentText(), QStringLiteral("1000"));
    QVERIFY(!intervals->isEnabled());
    QVERIFY(!dialog.control(1168)->isEnabled());
    QCOMPARE(Edit(dialog, 1172)->text(), QStringLiteral("3000"));
    QCOMPARE(Edit(dialog, 1175)->text(), QStringLiteral("10000"));
    QVERIFY(!Edit(dialog, 1172)->isEnabled());
    QVERIFY(!dialog.control(1176)->isEnabled());
    QVERIFY(qobject_cast<QRadioButton*>(dialog.control(1180))->isChecked());
  }

  void closingWithRepetitionOnStartsAThousandMillisecondRepetition() {
    DialogRig rig;
    QVERIFY(rig.rig().ConnectAndConfirm());
    rig.presenter().SetEnabled(Control::StartButton, false);
    CMainInterfaceControl dialog(rig.tester());
    Requests requests(dialog);
    QTest::mouseClick(qobject_cast<QCheckBox*>(dialog.control(1165)), Qt::LeftButton);
    QCOMPARE(rig.state().autoRefreshEnabled, 1);
    QVERIFY(dialog.control(1166)->isEnabled());
    dialog.close();
    QCOMPARE(requests.calls, (QStringList{QStringLiteral("start 1000"), QStringLiteral("layout")}));
    QCOMPARE(rig.state().refreshIntervalMs, 1000);
    QVERIFY(rig.Logged("连续刷新时间= 1000ms"));
    QVERIFY(rig.presenter().Enabled(Control::StartButton));
  }

  void chosenIntervalIsUsed() {
    DialogRig rig;
    rig.state().autoRefreshEnabled = 1;
    CMainInterfaceControl dialog(rig.tester());
    Requests requests(dialog);
    qobject_cast<QComboBox*>(dialog.control(1166))->setCurrentIndex(4);
    QCOMPARE(rig.state().refreshIntervalIndex, 4);
    dialog.close();
    QCOMPARE(requests.calls.front(), QStringLiteral("start 3000"));
    QVERIFY(rig.Logged("连续刷新时间= 3000ms"));
  }

  void closingWithRepetitionOffStopsIt() {
    DialogRig rig;
    rig.state().autoRefreshEnabled = 1;
    CMainInterfaceControl dialog(rig.tester());
    Requests requests(dialog);
    QTest::mouseClick(qobject_cast<QCheckBox*>(dialog.control(1165)), Qt::LeftButton);
    QCOMPARE(rig.state().autoRefreshEnabled, 0);
    dialog.close();
    QCOMPARE(requests.calls, (QStringList{QStringLiteral("stop"), QStringLiteral("layout")}));
    QVERIFY(!rig.Logged("连续刷新时间= 1000ms"));
  }

  // A limit of 20000 is refused with its field named; the dialog stays open
  // on it, and closes once it is corrected.
  void differenceLimitOf20000KeepsTheDialogOpen() {
    DialogRig rig;
    CMainInterfaceControl dialog(rig.tester());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    qobject_cast<QCheckBox*>(dialog.control(1171))->click();
    QCOMPARE(rig.state().diffCriterionEnabled, 1);
    QVERIFY(Edit(dialog, 1175)->isEnabled());
    dialog_test::TypeInto(Edit(dialog, 1175), QStringLiteral("20000"));
    dialog_test::TypeInto(Edit(dialog, 1172), QStringLiteral("2500"));
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("按键区合格差值上限：请输入一个 -10000 至 16000 之间的整数。"));
    QCOMPARE(int(rig.state().differenceLimits.keyDiffUpper), 10000);  // nothing applied
    QVERIFY(Edit(dialog, 1175)->hasFocus());
    dialog_test::TypeInto(Edit(dialog, 1175), QStringLiteral("12000"));
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(rig.state().differenceLimits.keyDiffUpper), 12000);
    QCOMPARE(int(rig.state().differenceLimits.vaDiffLower), 2500);
  }

  void limitsAreIgnoredWhileTheDifferenceCriterionIsOff() {
    DialogRig rig;
    CMainInterfaceControl dialog(rig.tester());
    Edit(dialog, 1173)->setText(QStringLiteral("abc"));
    Edit(dialog, 1174)->setText(QStringLiteral("1234"));
    dialog.close();
    QVERIFY(rig.presenter().messages.empty());
    QCOMPARE(int(rig.state().differenceLimits.keyDiffLower), 3000);
  }

  void sheetTypeIsTakenOnClose() {
    DialogRig rig;
    CMainInterfaceControl dialog(rig.tester());
    QTest::mouseClick(qobject_cast<QRadioButton*>(dialog.control(1181)), Qt::LeftButton);
    QCOMPARE(rig.state().sheetType, 0);
    dialog.close();
    QCOMPARE(rig.state().sheetType, 1);
  }
};

}  // namespace vn

QTEST_MAIN(vn::MainInterfaceDialogTest)
#include "main_interface_dialog_test.moc"
