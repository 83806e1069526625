// The sample dialog "整理样本" on the offscreen platform, with timer 4 of
// the main window played by the test.
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "dialog_test_support.h"
#include "platform/profile_document.h"
#include "samples/CArrangeSample.h"
#include "samples/sample_paths.h"

namespace vn {

using dialog_test::DialogRig;

namespace {

// What the main window does with timer 4: on its first tick with the
// request up, stop, run one test, store the sample, lower the request.
class CaptureTimer {
 public:
  CaptureTimer(Tester& tester, CArrangeSample& dialog) {
    QObject::connect(&dialog, &CArrangeSample::captureTimerRequested, [this] { timer_.start(100); });
    QObject::connect(&timer_, &QTimer::timeout, [&tester, &dialog, this] {
      if (tester.state().captureRequested != 1) return;
      timer_.stop();
      const RunOutcome outcome = tester.RunTest(RunPurpose::SampleCapture);
      dialog.StoreCapturedSample(outcome);
      tester.state().captureRequested = 0;
    });
  }

 private:
  QTimer timer_;
};

void WriteSettings(DialogRig& rig, int capacity) {
  QVERIFY(DialogRig::Put(SampleSettingsPath(rig.AppDirectory()),
                         "[TestStandards]\r\nDeviationMethod=0\r\nAbsoluteDeviationNegative=1000\r\n"
                         "AbsoluteDeviationPositive=1000\r\n[SampleInformation]\r\nNumberOfSamplesListMAX=" +
                             std::to_string(capacity) + "\r\n"));
}

QPushButton* Button(CArrangeSample& d, int id) { return qobject_cast<QPushButton*>(d.control(id)); }

void Tick(CArrangeSample& d, int row, bool on) {
  d.sampleList()->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool CaptureOne(CArrangeSample& dialog) {
  const int rows = dialog.sampleList()->rowCount();
  if (!dialog_test::WaitFor([&] { return dialog.control(1063)->isEnabled(); })) return false;
  QTest::mouseClick(Button(dialog, 1063), Qt::LeftButton);
  return dialog_test::WaitFor([&] { return dialog.sampleList()->rowCount() == rows + 1 && !dialog.captureTimerActive(); });
}

}  // namespace

class ArrangeSampleDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listHasNineCentredColumnsInCyan() {
    DialogRig rig;
    WriteSettings(rig, 5);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    QTableWidget* list = dialog.sampleList();
    QCOMPARE(list->columnCount(), 9);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("序号"));
    QCOMPARE(list->horizontalHeaderItem(8)->text(), QStringLiteral("KEYaver"));
    QCOMPARE(list->columnWidth(0), 50);
    QCOMPARE(list->columnWidth(1), 75);
    QVERIFY(dialog.linkTimerActive());
    QVERIFY(!dialog.control(1079)->isEnabled());
    QVERIFY(CaptureOne(dialog));
    QCOMPARE(list->item(0, 0)->text(), QStringLiteral(" 0"));
    QCOMPARE(list->item(0, 2)->text(), QStringLiteral("当前数据"));
    QCOMPARE(list->item(0, 3)->background().color(), QColor(0, 255, 255));
    QCOMPARE(list->item(0, 3)->foreground().color(), QColor(0, 0, 0));
    QCOMPARE(int(list->item(0, 5)->textAlignment()), int(Qt::AlignCenter));
    QVERIFY(dialog.linkTimerActive());  // the capture button goes on following the board
    QVERIFY(dialog.control(1063)->isEnabled());
    QVERIFY(dialog.control(1079)->isEnabled());
  }

  void captureThreeAverageUseAndJudgeBySample() {
    DialogRig rig;
    WriteSettings(rig, 10);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    dialog.show();
    for (int i = 0; i < 3; ++i) QVERIFY(CaptureOne(dialog));
    for (int row = 0; row < 3; ++row) Tick(dialog, row, true);
    QTest::mouseClick(Button(dialog, 1061), Qt::LeftButton);
    QCOMPARE(dialog.sampleList()->rowCount(), 4);
    QCOMPARE(dialog.sampleList()->item(3, 2)->text(), QStringLiteral("平均样本"));
    for (int row = 0; row < 3; ++row) Tick(dialog, row, false);
    Tick(dialog, 3, true);
    QTest::mouseClick(Button(dialog, 1078), Qt::LeftButton);
    QVERIFY(rig.presenter().messages.empty());
    QCOMPARE(rig.state().criterion, 1);
    QCOMPARE(rig.state().criterionReady, 1);
    QVERIFY(rig.Logged("配置文件正确"));
    QVERIFY(rig.presenter().Enabled(Control::StartButton));
    QVERIFY(std::filesystem::exists(SampleLowLimitFilePath(rig.AppDirectory())));

    const RunOutcome pass = rig.tester().RunTest();
    QVERIFY(pass.judged && pass.passed);
    const std::size_t node = NodeIndex(6, 6);
    const auto value = static_cast<std::uint16_t>(rig.state().sampleLimits.upper[node] + 200);
    QVERIFY(value <= 28000);  // inside the value range, outside the sample's limits
    rig.rig().board.WithController([value](SimController& c) {
      static_cast<SimTouchController&>(c).profile().overrides.push_back({6, 6, value});
    });
    const RunOutcome ng = rig.tester().RunTest();
    QVERIFY(ng.judged && !ng.passed);
  }

  // A refusal leaves the capture button as the board and the pending capture
  // decide: enabled again at once, with or without an earlier capture.
  void refusedCapturesSayWhyAndKeepTheButton_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("capturesFirst");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("capacity 0 names the setting") << 0 << 0 << QStringLiteral("NumberOfSamplesListMAX=32");
    QTest::newRow("full list") << 1 << 1 << QStringLiteral("列表已满，请清空！");
  }
  void refusedCapturesSayWhyAndKeepTheButton() {
    QFETCH(int, capacity);
    QFETCH(int, capturesFirst);
    QFETCH(QString, refusal);
    DialogRig rig;
    WriteSettings(rig, capacity);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    for (int i = 0; i < capturesFirst; ++i) QVERIFY(CaptureOne(dialog));
    QVERIFY(dialog_test::WaitFor([&] { return dialog.control(1063)->isEnabled(); }));
    QTest::mouseClick(Button(dialog, 1063), Qt::LeftButton);
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(rig.presenter().messages[0].text).contains(refusal));
    QCOMPARE(rig.presenter().messages[0].caption, std::string("提示"));
    QCOMPARE(rig.state().captureRequested, 0);
    QCOMPARE(dialog.sampleList()->rowCount(), capturesFirst);
    QVERIFY(!dialog.captureTimerActive());
    QVERIFY(dialog.control(1063)->isEnabled());
    QVERIFY(dialog_test::WaitFor([&] { return rig.state().captureRequested == 0; }));
  }

  // The board going away greys the button; its return brings it back.
  void captureButtonFollowsTheBoard() {
    DialogRig rig;
    WriteSettings(rig, 5);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    dialog.ShowCentredOver(nullptr);
    QVERIFY(dialog_test::WaitFor([&] { return dialog.control(1063)->isEnabled(); }));
    rig.tester().connection().linkOk = 0;
    QVERIFY(dialog_test::WaitFor([&] { return !dialog.control(1063)->isEnabled(); }));
    rig.tester().connection().linkOk = 1;
    QVERIFY(dialog_test::WaitFor([&] { return dialog.control(1063)->isEnabled(); }));
    dialog.close();
    dialog.ShowCentredOver(nullptr);  // shown again: timer 10 runs again
    QVERIFY(dialog.linkTimerActive());
  }

  // A fresh working directory: start-up wrote the additional-parameters file
  // with a capacity that works.
  void freshStationCapturesAtOnce() {
    DialogRig rig;
    QVERIFY(rig.rig().Connect());
    const ProfileLoadResult file = ProfileDocument::Load(SampleSettingsPath(rig.AppDirectory()));
    QCOMPARE(file.status, ProfileLoadStatus::Loaded);
    QCOMPARE(file.document.ReadInt("SampleInformation", "NumberOfSamplesListMAX", -1), 32);
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    QVERIFY(rig.presenter().messages.empty());
    QVERIFY(CaptureOne(dialog));
    QVERIFY(CaptureOne(dialog));
    QVERIFY(rig.presenter().messages.empty());
  }

  void unreadableSettingsGiveCapacityZero() {
    DialogRig rig;
    std::filesystem::remove(SampleSettingsPath(rig.AppDirectory()));
    std::filesystem::create_directory(SampleSettingsPath(rig.AppDirectory()));  // exists, cannot be read
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QVERIFY(rig.presenter().messages[0].text.find("失败！") != std::string::npos);
    QVERIFY(qobject_cast<QRadioButton*>(dialog.control(1067))->isChecked());
    QVERIFY(!dialog.control(1068)->isEnabled());
    QVERIFY(dialog.control(1070)->isEnabled());
    QVERIFY(dialog_test::WaitFor([&] { return dialog.control(1063)->isEnabled(); }));
    QTest::mouseClick(Button(dialog, 1063), Qt::LeftButton);
    QVERIFY(rig.presenter().messages.back().text.find("NumberOfSamplesListMAX") != std::string::npos);
  }

  void exportWithAndWithoutIni() {
    DialogRig rig;
    WriteSettings(rig, 5);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    QVERIFY(CaptureOne(dialog));
    QVERIFY(CaptureOne(dialog));
    Tick(dialog, 0, true);
    Tick(dialog, 1, true);
    rig.files.answers = {rig.Path("plain"), rig.Path("named.ini")};
    QTest::mouseClick(Button(dialog, 1062), Qt::LeftButton);
    QVERIFY(rig.presenter().messages.empty());
    QVERIFY(std::filesystem::exists(rig.Path("plain.ini")));
    QVERIFY(std::filesystem::exists(rig.Path("named.ini")));
    QVERIFY(!std::filesystem::exists(rig.Path("named.ini.ini")));
    QCOMPARE(dialog.sampleList()->item(0, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(dialog.sampleList()->item(1, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(rig.files.requests[0].dialog.initialPath, rig.Path("Sample/.ini"));
  }

  void selectAllTicksTheListedRows() {
    DialogRig rig;
    WriteSettings(rig, 5);
    QVERIFY(rig.rig().Connect());
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(CaptureOne(dialog));
    QVERIFY(CaptureOne(dialog));
    auto* all = qobject_cast<QCheckBox*>(dialog.control(1079));
    all->click();
    QCOMPARE(all->text(), QStringLiteral("全部取消"));
    QCOMPARE(dialog.sampleList()->item(1, 0)->checkState(), Qt::Checked);
    all->click();
    QCOMPARE(all->text(), QStringLiteral("全选"));
    QCOMPARE(dialog.sampleList()->item(0, 0)->checkState(), Qt::Unchecked);
  }

  void closingHidesAndWritesTheSettings() {
    DialogRig rig;
    WriteSettings(rig, 5);
    QVERIFY(rig.rig().Connect());
    rig.state().configFilePath = "/cfg/film.txt";
    CArrangeSample dialog(rig.tester(), rig.files);
    CaptureTimer timer4(rig.tester(), dialog);
    dialog.ShowCentredOver(nullptr);
    QVERIFY(CaptureOne(dialog));
    QTest::mouseClick(qobject_cast<QRadioButton*>(dialog.control(1067)), Qt::LeftButton);
    QVERIFY(!dialog.control(1068)->isEnabled());
    qobject_cast<QLineEdit*>(dialog.control(1070))->setText(QStringLiteral("10"));
    dialog.close();
    QVERIFY(!dialog.isVisible());
    const ProfileLoadResult file = ProfileDocument::Load(SampleSettingsPath(rig.AppDirectory()));
    QCOMPARE(file.document.ReadInt("TestStandards", "DeviationMethod"), 1);
    QCOMPARE(file.document.ReadInt("TestStandards", "RelativeDeviationNegative"), 10);
    QCOMPARE(file.document.ReadString("BasicParameters", "BasicParametersFullDirectory"), std::string("/cfg/film.txt"));
    dialog.ShowCentredOver(nullptr);
    QCOMPARE(dialog.sampleList()->rowCount(), 1);  // the list survives hiding
  }
};

}  // namespace vn

QTEST_MAIN(vn::ArrangeSampleDialogTest)
#include "arrange_sample_dialog_test.moc"
