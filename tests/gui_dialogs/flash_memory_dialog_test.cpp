// The burn dialog "烧录文件" on the offscreen platform.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/CMyStatic.h"
#include "burn/CFlashMemory.h"
#include "dialog_test_support.h"

namespace vn {

using dialog_test::DialogRig;

namespace {

const std::string kExample = std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg";

struct Buttons {
  bool burnOnce, start, update;
  bool operator==(const Buttons&) const = default;
};

Buttons ActionButtons(CFlashMemory& d) {
  return {d.control(1158)->isEnabled(), d.control(1159)->isEnabled(), d.control(1160)->isEnabled()};
}

void ClickMode(CFlashMemory& d, int id) { QTest::mouseClick(qobject_cast<QRadioButton*>(d.control(id)), Qt::LeftButton); }

}  // namespace

class FlashMemoryDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsFollowTheModeOnceAFileIsChosen() {
    DialogRig rig;
    CFlashMemory dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY((ActionButtons(dialog) == Buttons{false, false, false}));
    QVERIFY(!dialog.control(1153)->isEnabled());
    QVERIFY(!dialog.control(1157)->isEnabled());
    QVERIFY(!dialog.control(1163)->isVisible());
    QVERIFY(qobject_cast<QRadioButton*>(dialog.control(1155))->isChecked());
    ClickMode(dialog, 1156);
    QVERIFY((ActionButtons(dialog) == Buttons{false, false, false}));
    rig.files.answers = {kExample};
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1152)), Qt::LeftButton);
    QCOMPARE(qobject_cast<QLineEdit*>(dialog.control(1150))->text(), QString::fromStdString(kExample));
    QVERIFY((ActionButtons(dialog) == Buttons{false, true, false}));
    ClickMode(dialog, 1155);
    QVERIFY((ActionButtons(dialog) == Buttons{true, false, false}));
    QCOMPARE(rig.files.requests[0].dialog.initialPath, rig.Path("Config/.xcfg"));
  }

  void burnOfTheExampleMovesTheBarToOneHundred() {
    DialogRig rig;
    QVERIFY(rig.rig().Connect());
    CFlashMemory dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    rig.files.answers = {kExample};
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1152)), Qt::LeftButton);
    QList<int> values;
    connect(dialog.progressBar(), &QProgressBar::valueChanged, this, [&](int v) { values << v; });
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1158)), Qt::LeftButton);
    QVERIFY(values.size() > 2);  // it moved during the burn, not only at its end
    QCOMPARE(values.back(), 100);
    QCOMPARE(dialog.progressBar()->value(), 100);
    QCOMPARE(rig.state().burnProgress, 100);
    QVERIFY(rig.Logged("更新烧录文件成功 ( 9: 5:30)"));
    QVERIFY(dialog.control(1158)->isEnabled());
    QVERIFY(dialog.progressTimerActive());
    dialog.close();
    QVERIFY(!dialog.progressTimerActive());
    QVERIFY(!dialog.versionTimerActive());
  }

  void versionLabelShowsTheControllersVersion() {
    DialogRig rig;
    CFlashMemory before(rig.tester(), rig.files);
    QCOMPARE(before.versionLabel()->text(), QStringLiteral("IC版本:"));
    QCOMPARE(before.versionLabel()->textColour(), app::Colorref(0x0000FF));
    QVERIFY(rig.rig().Connect());
    CFlashMemory dialog(rig.tester(), rig.files);
    QCOMPARE(dialog.versionLabel()->text(), QStringLiteral("IC版本:2.1"));
    QCOMPARE(dialog.versionLabel()->backgroundColour(), app::Colorref(0x000000));
    rig.tester().connection().firmwareVersionText = "1.0";
    QVERIFY(dialog_test::WaitFor([&] { return dialog.versionLabel()->text() == QStringLiteral("IC版本:1.0"); }));
    QCOMPARE(dialog.versionLabel()->textColour(), app::Colorref(0x00FF00));
    QCOMPARE(dialog.versionLabel()->backgroundColour(), app::Colorref(0xF0F0F0));
  }

  void refusedFileGivesItsMessage() {
    DialogRig rig;
    QVERIFY(rig.rig().Connect());
    QVERIFY(DialogRig::Put(rig.Path("bad.xcfg"), "[COMMENTS]\r\n"));
    CFlashMemory dialog(rig.tester(), rig.files);
    rig.files.answers = {rig.Path("bad.xcfg")};
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1152)), Qt::LeftButton);
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1158)), Qt::LeftButton);
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("烧录文件头错误！"));
    QVERIFY(!rig.Logged("更新烧录文件成功 ( 9: 5:30)"));
    QVERIFY(dialog.control(1158)->isEnabled());
  }
};

}  // namespace vn

QTEST_MAIN(vn::FlashMemoryDialogTest)
#include "flash_memory_dialog_test.moc"
