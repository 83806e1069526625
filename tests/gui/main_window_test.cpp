// The main window on the simulated board: start-up state, readiness of
// Start, runs with their verdicts, colours and counters, hot-plug, keys,
// timers and the closing order.
#include <QAction>
#include <QBrush>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/CAboutDlg.h"
#include "samples/CArrangeSample.h"
#include "app/CDigiStatic.h"
#include "app/CMyStatic.h"
#include "app/colorref.h"
#include "app/node_grid_model.h"
#include "app/node_list_view.h"
#include "app/verdict_reason_line.h"
#include "config/CConfigurate.h"
#include "config/config_file.h"
#include "config/configuration_confirmation.h"
#include "config/criterion_setting.h"
#include "gui_test_support.h"

using namespace vn;
using namespace vn::app;
using vn::gui_test::WaitFor;
using vn::gui_test::WindowRig;

Q_DECLARE_METATYPE(vn::app::CellColour)

namespace {

QString Text(const CDigiStatic* display) { return QString::fromStdString(display->displayText()); }

QColor ForegroundOf(const NodeGridModel& model, int x, int y) {
  return model.data(model.index(y, x + 1), Qt::ForegroundRole).value<QBrush>().color();
}

const QColor kRedText(255, 0, 0);
const QColor kBlueText(0, 0, 255);
const QColor kBlackText(0, 0, 0);

}  // namespace

// Presses Escape in the next modal dialog once it is open (it ends without
// its close procedure) and hands back its caption.
void EscapeNextModalDialog(QString* caption = nullptr) {
  QTimer::singleShot(100, [caption] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    if (caption != nullptr) *caption = dialog->windowTitle();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
}

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpState() {
    WindowRig rig("good", /*plugged=*/false);
    QVERIFY(rig.Show());
    QTest::qWait(250);  // a few discovery ticks find nothing
    CMyUsbHidTestAppDlg& w = rig.window();
    QCOMPARE(w.verdictBox()->text(), QStringLiteral("WAIT"));
    QCOMPARE(w.verdictBox()->backgroundColour(), kBlue);
    QCOMPARE(w.verdictBox()->textColour(), kWhite);
    QCOMPARE(Text(w.okCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(w.ngCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(w.yieldDisplay()), QStringLiteral("  0.00"));
    QCOMPARE(w.okCountDisplay()->litColour(), kGreen);
    QCOMPARE(w.ngCountDisplay()->litColour(), kRed);
    QCOMPARE(w.yieldDisplay()->litColour(), kMagenta);
    QCOMPARE(w.okCountDisplay()->displayStyle(), 0x1Cu);
    QCOMPARE(w.okLabel()->text(), QStringLiteral("OK数量"));
    QCOMPARE(w.ngLabel()->text(), QStringLiteral("NG数量"));
    QCOMPARE(w.yieldLabel()->text(), QStringLiteral("良率"));
    QVERIFY(rig.LogText().isEmpty());
    QVERIFY(!w.startButton()->isEnabled());
    QVERIFY(!w.arrangeSampleAction()->isEnabled());
    QVERIFY(w.burnAction()->isEnabled());
    QVERIFY(!w.icInfoAction()->isEnabled());
    QVERIFY(!w.firmwareAction()->isEnabled());
    QVERIFY(w.timerActive(2));
    QVERIFY(w.timerActive(4));
    QVERIFY(!w.timerActive(1));
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("VN4820双层功能片测试软件 V")));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("（模拟测试板）")));
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QCOMPARE(rig.tester().state().criterion, 0);
  }

  void listsFollowTheDefaultConfigurationFromTheStart() {
    WindowRig rig("good", false);
    const NodeGridModel& model = *rig.window().valueModel();
    QCOMPARE(model.rowCount(), 52);
    QCOMPARE(model.columnCount(), 33);
    QCOMPARE(model.headerData(32, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(" X31"));
    QCOMPARE(model.data(model.index(51, 0), Qt::DisplayRole).toString(), QStringLiteral("Y51"));
  }

  void startNeedsLinkAndConfirmation_data() {
    QTest::addColumn<bool>("confirmFirst");
    QTest::newRow("confirmed before the board is connected") << true;
    QTest::newRow("confirmed after the board is connected") << false;
  }
  void startNeedsLinkAndConfirmation() {
    QFETCH(bool, confirmFirst);
    WindowRig rig;
    if (confirmFirst) rig.tester().ConfirmCriterion(0);
    QVERIFY(rig.Show());
    QVERIFY(rig.WaitConnected());
    QVERIFY(rig.LogText().contains(QStringLiteral("USB连接正常")));
    QCOMPARE(rig.window().startButton()->isEnabled(), confirmFirst);
    if (!confirmFirst) rig.tester().ConfirmCriterion(0);
    QVERIFY(rig.window().startButton()->isEnabled());
    QVERIFY(!rig.window().timerActive(1));
    QVERIFY(!rig.window().timerActive(2));
    QVERIFY(!rig.window().arrangeSampleAction()->isEnabled());  // criterion 0
  }

  void boardPresentAtStartUpIsNoArrival() {
    WindowRig rig;
    QVERIFY(rig.Show());
    QVERIFY(rig.WaitConnected());
    QVERIFY(!rig.LogText().contains(QStringLiteral("测试板已连接")));
  }

  void runShowsVerdictAndCounts_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<uint>("background");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("ng");
    QTest::addColumn<QString>("yield");
    QTest::newRow("good") << "good" << "PASS" << uint(kGreen) << "    1" << "    0" << "100.00";
    QTest::newRow("open-node") << "open-node" << "NG" << uint(kRed) << "    0" << "    1" << "  0.00";
    QTest::newRow("short-gnd-x3") << "short-gnd-x3" << "NG" << uint(kRed) << "    0" << "    1" << "  0.00";
    QTest::newRow("diff criterion off: diff-fail passes") << "diff-fail" << "PASS" << uint(kGreen) << "    1"
                                                          << "    0" << "100.00";
  }
  void runShowsVerdictAndCounts() {
    QFETCH(QString, profile);
    QFETCH(QString, verdict);
    QFETCH(uint, background);
    QFETCH(QString, ok);
    QFETCH(QString, ng);
    QFETCH(QString, yield);
    WindowRig rig(profile.toStdString());
    QVERIFY(rig.ShowConnectAndConfirm());
    CMyUsbHidTestAppDlg& w = rig.window();
    QTest::mouseClick(w.startButton(), Qt::LeftButton);
    QCOMPARE(w.verdictBox()->text(), verdict);
    QCOMPARE(w.verdictBox()->backgroundColour(), background);
    QCOMPARE(Text(w.okCountDisplay()), ok);
    QCOMPARE(Text(w.ngCountDisplay()), ng);
    QCOMPARE(Text(w.yieldDisplay()), yield);
    QVERIFY(w.startButton()->isEnabled());
    QVERIFY(w.timerActive(3));
    const QString log = rig.LogText();
    QVERIFY(log.contains(QStringLiteral("calib & clear")));
    QVERIFY(log.contains(QStringLiteral("共花费时间：")));
    QVERIFY(!log.contains(QStringLiteral("USB连接正常")));  // emptied at the start of the run
  }

  void onePassOneNgGiveFiftyPercent() {
    WindowRig rig("good");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    rig.controller().profile().overrides.push_back({5, 7, 1200});
    rig.window().RunTest();
    QCOMPARE(Text(rig.window().yieldDisplay()), QStringLiteral(" 50.00"));
  }

  void openNodeTurnsItsCellRed() {
    WindowRig rig("open-node");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    const NodeGridModel& model = *rig.window().valueModel();
    QCOMPARE(rig.ValueCellText(5, 7), QStringLiteral(" 1200"));
    QCOMPARE(ForegroundOf(model, 5, 7), kRedText);
    QCOMPARE(ForegroundOf(model, 4, 7), kBlackText);
    QCOMPARE(ForegroundOf(model, 5, 8), kBlackText);
    QCOMPARE(model.ColourAt(5, 7), CellColour::Red);
  }

  // A picked row is no fault mark: pale grey, its red cell stays red, and the
  // next film starts without it.
  void pickedRowIsNoFaultColour() {
    WindowRig rig("open-node");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    NodeListView& list = *rig.window().valueList();
    list.selectRow(7);
    QCOMPARE(list.selectionModel()->selectedRows().size(), 1);
    const QColor highlight = list.palette().color(QPalette::Highlight);
    QVERIFY(highlight != kRedText && highlight != kBlueText && highlight.saturation() < 30);
    list.scrollTo(list.model()->index(7, 6));
    QCoreApplication::processEvents();
    const QImage shot = list.viewport()->grab().toImage();
    const QRect cell = list.visualRect(list.model()->index(7, 6)) & shot.rect();
    bool redText = false;
    for (int y = cell.top(); y <= cell.bottom() && !redText; ++y)
      for (int x = cell.left(); x <= cell.right() && !redText; ++x) {
        const QColor c = shot.pixelColor(x, y);
        redText = c.red() > 180 && c.green() < 90 && c.blue() < 90;
      }
    QVERIFY2(redText, "the failing value stays red in the picked row");
    rig.window().RunTest();
    QVERIFY(list.selectionModel()->selectedRows().isEmpty());
  }

  void selfTestFaultTurnsItsChannelBlue_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<int>("faultX");  // -1: none
    QTest::addColumn<int>("faultY");
    QTest::newRow("short to GND at X 3") << "short-gnd-x3" << 3 << -1;
    QTest::newRow("short between channels at Y 10") << "short-between-y10" << -1 << 10;
  }
  void selfTestFaultTurnsItsChannelBlue() {
    QFETCH(QString, profile);
    QFETCH(int, faultX);
    QFETCH(int, faultY);
    WindowRig rig(profile.toStdString());
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    QCoreApplication::processEvents();
    const NodeGridModel& model = *rig.window().valueModel();
    for (int y = 0; y < 52; ++y) {
      for (int x = 0; x < 32; ++x) {
        const bool blue = x == faultX || y == faultY;
        QCOMPARE(ForegroundOf(model, x, y), blue ? kBlueText : kBlackText);
      }
    }
    if (faultX >= 0)
      QCOMPARE(model.headerData(faultX + 1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(" X 3"));
  }

  void unplugAndReplugOnTheSamePath() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    CMyUsbHidTestAppDlg& w = rig.window();
    QVERIFY(w.startButton()->isEnabled());
    rig.board().Unplug();
    QVERIFY(WaitFor([&] { return rig.LogHasLine(QStringLiteral("测试板已断开")); }));
    QVERIFY(!w.startButton()->isEnabled());
    QVERIFY(!w.burnAction()->isEnabled());
    QCOMPARE(rig.tester().connection().linkOk, 0);
    QCOMPARE(rig.tester().connection().controllerReady, 0);
    QVERIFY(!rig.tester().link().deviceFound());

    rig.board().Plug();
    QVERIFY(WaitFor([&] { return rig.LogHasLine(QStringLiteral("测试板已连接")); }));
    QVERIFY(rig.WaitConnected());
    QVERIFY(w.startButton()->isEnabled());  // the configuration is still confirmed
    rig.window().RunTest();
    QCOMPARE(w.verdictBox()->text(), QStringLiteral("PASS"));
  }

  void replugOnAnotherPathIsNotFollowed() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.board().Unplug();
    QVERIFY(WaitFor([&] { return rig.LogHasLine(QStringLiteral("测试板已断开")); }));
    rig.board().Plug("/dev/hidraw-sim9");
    QTest::qWait(600);
    QVERIFY(!rig.LogText().contains(QStringLiteral("测试板已连接")));
    QCOMPARE(rig.tester().connection().controllerReady, 0);
    QVERIFY(!rig.window().startButton()->isEnabled());
  }

  void removalDuringARunEndsIt() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    FaultPlan plan;
    plan.at[rig.board().transactions() + 20] = SimFault::Remove;
    rig.board().SetFaultPlan(plan);
    QElapsedTimer clock;
    clock.start();
    const RunOutcome outcome = rig.window().RunTest();
    QVERIFY(clock.elapsed() < 3000);  // bounded by the answer deadline, not hanging
    QVERIFY(!outcome.judged);
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("NG"));
    QCOMPARE(Text(rig.window().ngCountDisplay()), QStringLiteral("    0"));  // not counted
    QVERIFY(WaitFor([&] { return rig.LogHasLine(QStringLiteral("测试板已断开")); }));
    QVERIFY(!rig.window().startButton()->isEnabled());
  }

  void spaceRunsATestOnlyWhileStartIsEnabled_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("ok");
    QTest::newRow("Start enabled") << true << "    1";
    QTest::newRow("Start disabled") << false << "    0";
  }
  void spaceRunsATestOnlyWhileStartIsEnabled() {
    QFETCH(bool, confirmed);
    QFETCH(QString, ok);
    WindowRig rig;
    QVERIFY(rig.Show());
    QVERIFY(rig.WaitConnected());
    if (confirmed) rig.window().ConfirmConfigurationInForce();
    QCOMPARE(rig.window().startButton()->isEnabled(), confirmed);
    rig.window().activateWindow();
    rig.window().startButton()->setFocus();
    QTest::keyClick(rig.window().startButton(), Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(Text(rig.window().okCountDisplay()), ok);
  }

  void spaceOnAFocusedStartRunsOnce() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    QTest::keyClick(rig.window().startButton(), Qt::Key_Space);
    QTest::qWait(50);
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral("    1"));
  }

  void enterNeitherClosesNorRuns_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
  }
  void enterNeitherClosesNorRuns() {
    QFETCH(int, key);
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    QTest::keyClick(rig.window().startButton(), Qt::Key(key));
    QTest::keyClick(&rig.window(), Qt::Key(key));
    QTest::qWait(50);
    QVERIFY(rig.window().isVisible());
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral("    0"));
  }

  void counterOverflowRuleOnTheDisplay() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.tester().state().counters.okCount = 9000;
    rig.window().RunTest();
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral(" 9001"));
    QCOMPARE(Text(rig.window().yieldDisplay()), QStringLiteral("100.00"));
    rig.window().RunTest();  // both counters cleared, this film not counted
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(rig.window().ngCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(rig.window().yieldDisplay()), QStringLiteral("  0.00"));
    rig.window().RunTest();
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral("    1"));
  }

  void clearStatisticsLeavesVerdictAndLists() {
    WindowRig rig("open-node");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    QTest::mouseClick(rig.window().clearButton(), Qt::LeftButton);
    QCOMPARE(Text(rig.window().ngCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(rig.window().yieldDisplay()), QStringLiteral("  0.00"));
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("NG"));
    QCOMPARE(rig.ValueCellText(5, 7), QStringLiteral(" 1200"));
    QVERIFY(rig.LogHasLine(QStringLiteral("统计清零：OK 0，NG 1，良率 0.00")));
  }

  void verdictReturnsToWaitAfterAPass_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("after");
    QTest::newRow("PASS returns to WAIT") << "good" << "WAIT";
    QTest::newRow("NG stays") << "open-node" << "NG";
  }
  void verdictReturnsToWaitAfterAPass() {
    QFETCH(QString, profile);
    QFETCH(QString, after);
    WindowRig rig(profile.toStdString());
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    QVERIFY(rig.window().timerActive(3));
    QVERIFY(WaitFor([&] { return !rig.window().timerActive(3); }, 4500));
    QCOMPARE(rig.window().verdictBox()->text(), after);
    QCOMPARE(rig.window().verdictBox()->backgroundColour(), after == "WAIT" ? kBlue : kRed);
  }

  void automaticRepetition() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.tester().state().autoRefreshEnabled = 1;
    rig.window().StartRefreshTimer(150);
    QVERIFY(WaitFor([&] { return rig.tester().state().counters.okCount >= 2; }, 5000));
    QVERIFY(!rig.window().startButton()->isEnabled());  // the runs come from the timer
    QVERIFY(!rig.window().timerActive(3));
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("PASS"));
    EscapeNextModalDialog();
    rig.window().mainInterfaceAction()->trigger();  // stops the repetition, then opens the dialog
    QVERIFY(!rig.window().timerActive(5));
  }

  void repetitionWaitsForTheLink() {
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    rig.tester().ConfirmCriterion(0);
    rig.window().StartRefreshTimer(100);
    QTest::qWait(350);
    QCOMPARE(rig.tester().state().counters.okCount + rig.tester().state().counters.ngCount, 0);
  }

  void sampleCaptureRunsOnceOnRequest() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    QVERIFY(rig.window().timerActive(4));
    rig.tester().state().captureRequested = 1;
    QVERIFY(WaitFor([&] { return rig.tester().state().captureRequested == 0; }));
    QVERIFY(!rig.window().timerActive(4));
    QCOMPARE(rig.tester().state().counters.okCount, 0);  // a capture is no production film
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("样本"));
    rig.window().StartSampleCaptureTimer();
    QVERIFY(rig.window().timerActive(4));
  }

  // A new station: empty working directory, sample deviation chosen, three
  // captures through "整理样本", their average put into use, one good film.
  void goldenSamplesOnAFreshStation() {
    QTemporaryDir results;
    WindowRig rig("good", true,
                  [&](app::MainWindowOptions& options) { options.resultsFolder = results.path().toStdString(); });
    QFile settings(rig.workdir.filePath(QStringLiteral("Config/AdditionalPara1.ini")));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(settings.readAll()).contains(QStringLiteral("NumberOfSamplesListMAX=32")));
    QVERIFY(rig.Show());
    QVERIFY(rig.WaitConnected());
    rig.tester().state().criterion = 1;  // "样本偏差" chosen in "测试配置"
    rig.window().arrangeSampleAction()->setEnabled(true);
    rig.window().arrangeSampleAction()->trigger();
    CArrangeSample& dialog = *rig.window().sampleDialog();
    auto* capture = qobject_cast<QPushButton*>(dialog.control(1063));
    for (int i = 0; i < 3; ++i) {
      QVERIFY(WaitFor([&] { return capture->isEnabled(); }));
      capture->click();
      QVERIFY(WaitFor([&] { return dialog.sampleList()->rowCount() == i + 1 && capture->isEnabled(); }));
      QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("样本"));
      QVERIFY(rig.window().verdictReason()->reason().startsWith(QStringLiteral("已获取样本")));
      QCOMPARE(rig.window().valueModel()->ColourAt(4, 4), CellColour::Black);  // no sample in use: nothing red
    }
    QVERIFY(rig.messages.empty());
    QCOMPARE(Text(rig.window().ngCountDisplay()), QStringLiteral("    0"));
    QCOMPARE(Text(rig.window().okCountDisplay()), QStringLiteral("    0"));
    for (int row = 0; row < 3; ++row) dialog.sampleList()->item(row, 0)->setCheckState(Qt::Checked);
    qobject_cast<QPushButton*>(dialog.control(1061))->click();
    for (int row = 0; row < 3; ++row) dialog.sampleList()->item(row, 0)->setCheckState(Qt::Unchecked);
    dialog.sampleList()->item(3, 0)->setCheckState(Qt::Checked);
    qobject_cast<QRadioButton*>(dialog.control(1066))->click();  // "绝对偏差" -3000 .. +3000
    qobject_cast<QLineEdit*>(dialog.control(1068))->setText(QStringLiteral("3000"));
    qobject_cast<QLineEdit*>(dialog.control(1069))->setText(QStringLiteral("3000"));
    qobject_cast<QPushButton*>(dialog.control(1078))->click();
    QVERIFY(rig.window().startButton()->isEnabled());
    QVERIFY(rig.window().RunTest().passed);
    QCOMPARE(Text(rig.window().yieldDisplay()), QStringLiteral("100.00"));
    QVERIFY(rig.messages.empty());

    const QStringList jsonl = QDir(results.path()).entryList({QStringLiteral("results-*.jsonl")});
    QCOMPARE(jsonl.size(), 1);
    QFile records(QDir(results.path()).filePath(jsonl.front()));
    QVERIFY(records.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(records.readAll());
    QCOMPARE(text.count(QStringLiteral("\"verdict\":\"CAPTURE\"")), 3);
    QCOMPARE(text.count(QStringLiteral("\"verdict\":\"PASS\"")), 1);
  }

  // Every NG explains itself: a reason line under the verdict, a log line
  // naming the first failing node against its limits, that node in view.
  void ngNamesItsReason_data() {
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("differenceCriterion");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("x");  // the cell brought into view
    QTest::addColumn<int>("y");
    QTest::newRow("node far right and down") << "good" << false << "NG：X31 Y51 = 850（范围 19000~28000）" << 31 << 51;
    QTest::newRow("short found by the self test") << "short-gnd-x3" << false << "通道对GND短路，位置在X 3" << 3 << 0;
    QTest::newRow("difference out of range") << "diff-fail" << true << "NG：X0 Y0 差值 = " << 0 << 0;
  }
  void ngNamesItsReason() {
    QFETCH(QString, profile);
    QFETCH(bool, differenceCriterion);
    QFETCH(QString, reason);
    QFETCH(int, x);
    QFETCH(int, y);
    WindowRig rig(profile.toStdString());
    if (profile == QStringLiteral("good"))
      rig.board().WithController([](SimController& c) {
        static_cast<SimTouchController&>(c).profile().overrides.push_back({31, 51, 850});
      });
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.tester().state().diffCriterionEnabled = differenceCriterion ? 1 : 0;
    rig.window().valueList()->scrollToTop();
    rig.window().RunTest();
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("NG"));
    QVERIFY2(rig.window().verdictReason()->isVisible(), "the reason line shows");
    QVERIFY2(rig.window().verdictReason()->reason().startsWith(reason),
             qPrintable(rig.window().verdictReason()->reason()));
    QVERIFY(rig.LogText().contains(reason));
    NodeListView& list = *rig.window().valueList();
    const QRect cell = list.visualRect(list.model()->index(y, x + 1));
    QVERIFY2(list.viewport()->rect().contains(cell.center()), "the failing node is in view");
    if (differenceCriterion) QVERIFY(rig.LogText().contains(QStringLiteral("（差值范围 3000~10000）")));
  }

  void passShowsNoReason() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    QVERIFY(rig.window().RunTest().passed);
    QVERIFY(!rig.window().verdictReason()->isVisible());
    QVERIFY(!rig.LogText().contains(QStringLiteral("NG：")));
  }

  void differenceCriterionFillsTheSecondList() {
    WindowRig rig("diff-fail");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.tester().state().diffCriterionEnabled = 1;
    rig.window().ApplyScreenLayout();
    QVERIFY(rig.window().differenceList()->isVisible());
    rig.window().RunTest();
    QCOMPARE(rig.window().verdictBox()->text(), QStringLiteral("NG"));
    const NodeGridModel& model = *rig.window().differenceModel();
    QCOMPARE(model.ColourAt(5, 7), CellColour::Red);
    QVERIFY(!rig.DifferenceCellText(5, 7).trimmed().isEmpty());
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("差值"));
    QVERIFY(rig.LogHasLine(QStringLiteral("非按键区差值范围： 3000~10000  ")));
    QVERIFY(rig.LogHasLine(QStringLiteral("按键区差值范围  ： 3000~10000  ")));
    rig.tester().state().diffCriterionEnabled = 0;
    rig.window().ApplyScreenLayout();
    QVERIFY(!rig.window().differenceList()->isVisible());
    QCOMPARE(model.ColourAt(5, 7), CellColour::Black);  // never red while the criterion is off
  }

  void importedConfigurationShapesTheLists() {
    WindowRig rig("good", false);
    TestParameters p;
    p.x_channel_valid = 10;
    p.y_channel_valid = 20;
    const std::string path = rig.workdir.filePath("film.txt").toStdString();
    QVERIFY(WriteConfigFile(path, p).ok());
    QVERIFY(rig.window().ImportConfigurationFile(path));
    QCOMPARE(rig.tester().state().criterionReady, 1);
    QCOMPARE(rig.window().valueModel()->rowCount(), 20);
    QCOMPARE(rig.window().valueModel()->columnCount(), 11);
    QCOMPARE(rig.window().differenceModel()->columnCount(), 11);
    QVERIFY(rig.messages.empty());
  }

  // --config under the basis "测试配置" keeps: the value range is confirmed
  // with "配置文件正确"; sample deviation offers "整理样本" and says why
  // "开始" waits.
  void importConfirmsUnderTheStoredCriterion_data() {
    QTest::addColumn<int>("criterion");
    QTest::newRow("value range") << 0;
    QTest::newRow("sample deviation") << 1;
  }
  void importConfirmsUnderTheStoredCriterion() {
    QFETCH(int, criterion);
    WindowRig rig;
    QVERIFY(rig.Show());
    QVERIFY(rig.WaitConnected());
    QVERIFY(WriteCriterionSetting(rig.workdir.path().toStdString(), criterion));
    const std::string path = rig.workdir.filePath("film.txt").toStdString();
    QVERIFY(WriteConfigFile(path, TestParameters{}).ok());
    QVERIFY(rig.window().ImportConfigurationFile(path));
    QCOMPARE(rig.window().arrangeSampleAction()->isEnabled(), criterion == 1);
    QCOMPARE(rig.window().startButton()->isEnabled(), criterion == 0);
    QCOMPARE(rig.LogHasLine(QStringLiteral("配置文件正确")), criterion == 0);
    QVERIFY(rig.LogHasLine(criterion == 0 ? QStringLiteral("判定依据：测试值上下限范围")
                                          : QStringLiteral("判定依据：样本偏差")));
    QCOMPARE(rig.LogHasLine(QString::fromUtf8(kNoSampleInUseLine)), criterion == 1);
  }

  // Closing "测试配置" (here: Cancel at the save question) rebuilds the
  // lists but keeps the last film's values on them.
  void closingTheConfigurationKeepsTheLastFilm() {
    WindowRig rig("open-node");
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().RunTest();
    {
      CConfigurate dialog(rig.tester(), rig.window().fileChooser(), &rig.window());
      dialog.show();
      qobject_cast<QLineEdit*>(dialog.control(1028))->setText(QStringLiteral("20000"));
      rig.answers = {MessageResult::Cancel};
      dialog.close();
      QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(rig.messages.back().text, std::string("当前配置已经更改，是否保存？"));
    QCOMPARE(rig.ValueCellText(5, 7), QStringLiteral(" 1200"));
    QCOMPARE(rig.window().valueModel()->ColourAt(5, 7), CellColour::Red);
  }

  void failedImportShowsItsMessageAndConfirmsNothing() {
    WindowRig rig("good", false);
    const std::string path = rig.workdir.filePath("missing.txt").toStdString();
    QVERIFY(!rig.window().ImportConfigurationFile(path));
    QCOMPARE(rig.tester().state().criterionReady, 0);
    QCOMPARE(rig.messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(rig.messages[0].text).contains(QStringLiteral("失败")));
    QCOMPARE(rig.messages[0].owner, &rig.window());
    QCOMPARE(rig.messages[0].caption, std::string(kApplicationTitle));
    QCOMPARE(rig.tester().state().testParameters, TestParameters{});
  }

  void refusedLineKeepsTheConfigurationInForce() {
    WindowRig rig("good", false);
    TestParameters p;
    p.x_channel_valid = 10;
    std::optional<std::string> text = FormatConfigFile(p);
    QVERIFY(text.has_value());
    const std::size_t line2 = text->find("\n") + 1;
    text->replace(line2, text->find("\n", line2) - line2, "garbage");
    const QString path = rig.workdir.filePath("bad.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text->data(), qint64(text->size()));
    file.close();
    QVERIFY(!rig.window().ImportConfigurationFile(path.toStdString()));
    QCOMPARE(rig.messages.size(), std::size_t(1));
    QCOMPARE(rig.tester().state().configErrorLine, std::uint8_t(2));
    QCOMPARE(rig.tester().state().testParameters.x_channel_valid, std::uint8_t(32));  // line 1 not taken over
    QVERIFY(rig.LogText().contains(QStringLiteral("配置文件错误")));
  }

  void runAfterAChangedChannelCountRebuildsTheLists() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.tester().state().testParameters.x_channel_valid = 8;
    rig.window().RunTest();
    QCOMPARE(rig.window().valueModel()->columnCount(), 9);
    const ColumnWidths widths = NodeColumnWidths(rig.window().screenSize().width(), 8);
    QCOMPARE(rig.window().valueList()->columnWidth(1), widths.node);
    QCOMPARE(rig.window().valueList()->columnWidth(8), widths.node);
    QVERIFY(rig.window().valueList()->columnWidth(0) >= widths.label);
  }

  void rowLabelsAreNeverCut() {
    WindowRig rig("good", false);
    const NodeListView& list = *rig.window().valueList();
    QVERIFY(list.columnWidth(0) >= list.fontMetrics().horizontalAdvance(QStringLiteral("Y51")));
  }

  void startUpActionsRunOnce() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    rig.window().hide();
    rig.window().show();
    QCoreApplication::processEvents();
    QVERIFY(rig.window().startButton()->isEnabled());  // a second first-show would have disabled it
    QVERIFY(!rig.window().timerActive(2));
  }

  void logIsBoundedAndAppended() {
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    OperatorLog& log = rig.tester().log();
    log.Append("a", false, false);
    log.Append("b", false, true);
    QCOMPARE(rig.LogText(), QStringLiteral("ab\n"));
    for (int i = 0; i < CMyUsbHidTestAppDlg::kLogLineLimit + 100; ++i) log.Append("line " + std::to_string(i));
    QCoreApplication::processEvents();
    QVERIFY(rig.window().logBox()->blockCount() <= CMyUsbHidTestAppDlg::kLogLineLimit);
    QVERIFY(rig.LogText().endsWith(QStringLiteral("line 5099\n")));
  }

  void exitClosesTheBoardFirst() {
    WindowRig rig;
    QVERIFY(rig.ShowConnectAndConfirm());
    QVERIFY(rig.tester().link().deviceFound());
    rig.window().exitAction()->trigger();
    QVERIFY(!rig.window().isVisible());
    QVERIFY(!rig.tester().link().deviceFound());
    for (int timer = 1; timer <= 5; ++timer) QVERIFY(!rig.window().timerActive(timer));
  }

  void recordsEveryFilmWithItsSerial() {
    QTemporaryDir results;
    WindowRig rig("good", true, [&](app::MainWindowOptions& options) {
      options.resultsFolder = results.path().toStdString();
      options.station = "line-3";
      options.askSerial = true;
    });
    QVERIFY(rig.ShowConnectAndConfirm());
    // A scanner types the serial and ends it with Enter.
    QTimer::singleShot(100, [] {
      if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        dialog->setTextValue(QStringLiteral("SN-0042"));
        dialog->accept();
      }
    });
    QVERIFY(rig.window().RunTest().passed);
    // Cancelling the question tests no film.
    EscapeNextModalDialog();
    QVERIFY(!rig.window().RunTest().judged);
    QCOMPARE(rig.tester().state().counters.okCount, 1);

    const QStringList csv = QDir(results.path()).entryList({QStringLiteral("results-*.csv")});
    QCOMPARE(csv.size(), 1);
    QFile file(QDir(results.path()).filePath(csv.front()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);  // the header and the one film tested
    QVERIFY(lines[1].contains(QStringLiteral("SN-0042")));
    QVERIFY(lines[1].contains(QStringLiteral("line-3")));
    QVERIFY(lines[1].contains(QStringLiteral("PASS")));
  }

  void menuCommandsOpenTheirDialogs() {
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    const std::pair<QAction*, QString> commands[] = {
        {rig.window().burnAction(), QStringLiteral("烧录文件")},
        {rig.window().configurationAction(), QStringLiteral("配置参数")},
        {rig.window().mainInterfaceAction(), QStringLiteral("主界面控制")},
    };
    for (const auto& [action, caption] : commands) {
      QString shown;
      EscapeNextModalDialog(&shown);
      action->trigger();
      QCOMPARE(shown, caption);
    }
    rig.window().arrangeSampleAction()->setEnabled(true);
    rig.window().arrangeSampleAction()->trigger();
    QVERIFY(rig.window().sampleDialog() != nullptr);
    QVERIFY(rig.window().sampleDialog()->isVisible());
    auto* first = rig.window().sampleDialog();
    rig.window().arrangeSampleAction()->trigger();
    QCOMPARE(rig.window().sampleDialog(), first);  // created once
    QVERIFY(rig.window().isVisible());
  }

  void sampleCriterionEnablesArrangeSample() {
    WindowRig rig("good", false);
    rig.tester().ConfirmCriterion(1);
    QVERIFY(rig.window().arrangeSampleAction()->isEnabled());
    rig.tester().ConfirmCriterion(0);
    QVERIFY(!rig.window().arrangeSampleAction()->isEnabled());
  }

  void aboutBox() {
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("关于VN4820功能片测试软件"));
    QCOMPARE(about.okButton()->text(), QStringLiteral("确定"));
    QVERIFY(!about.notice()->text().isEmpty());
    QTimer::singleShot(0, &about, [&] { about.okButton()->click(); });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
