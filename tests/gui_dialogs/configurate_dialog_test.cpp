// The configuration dialog "配置参数" on the offscreen platform.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "config/CChannelCheckList.h"
#include "config/CConfigurate.h"
#include "config/CDefineMultiKeys.h"
#include "config/config_file.h"
#include "config/config_lines_fixture.h"
#include "config/criterion_setting.h"
#include "dialog_test_support.h"
#include "platform/profile_file.h"

namespace vn {

using dialog_test::DialogRig;

namespace {

QLineEdit* Edit(CConfigurate& d, int id) { return qobject_cast<QLineEdit*>(d.control(id)); }
QPushButton* Button(CConfigurate& d, int id) { return qobject_cast<QPushButton*>(d.control(id)); }

// Ticks an item as the operator does: through its check box.
void Tick(CChannelCheckList* list, int item, bool on) {
  list->item(item)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

int StoredCriterion(const DialogRig& rig) {
  return ReadProfileInt(AdditionalParametersPath(rig.AppDirectory()), "BasicParameters", "Criterion", -1);
}

}  // namespace

class ConfigurateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listsHoldTheChannelItemsInColumns() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CChannelCheckList* x = dialog.list(ChannelAxis::X, ChannelList::Display);
    CChannelCheckList* y = dialog.list(ChannelAxis::Y, ChannelList::KeyArea);
    QCOMPARE(x->count(), 32);
    QCOMPARE(y->count(), 52);
    QCOMPARE(x->item(0)->text(), QStringLiteral("X 0"));
    QCOMPARE(y->item(51)->text(), QStringLiteral("Y51"));
    QVERIFY(x->IsChecked(31));
    QVERIFY(!y->IsChecked(0));
    // Columns of items 50 pixels wide, filled top to bottom.
    const QRect first = x->visualItemRect(x->item(0));
    const QRect second = x->visualItemRect(x->item(1));
    const QRect ninth = x->visualItemRect(x->item(8));
    QCOMPARE(second.left(), first.left());
    QVERIFY(second.top() > first.top());
    QCOMPARE(ninth.left() - first.left(), 50);
    QCOMPARE(Edit(dialog, 1026)->text(), QStringLiteral("32"));
    QCOMPARE(Edit(dialog, 1031)->text(), QStringLiteral("28000"));
    QVERIFY(qobject_cast<QRadioButton*>(dialog.control(1054))->isChecked());
    QVERIFY(!dialog.control(1059)->isEnabled());
  }

  void closingAtOnceConfirmsAndStartFollowsTheLink() {
    for (const bool connected : {true, false}) {
      DialogRig rig;
      if (connected) QVERIFY(rig.rig().Connect());
      CConfigurate dialog(rig.tester(), rig.files);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      dialog.close();
      QVERIFY(!dialog.isVisible());
      QVERIFY(rig.presenter().messages.empty());
      QVERIFY(rig.Logged("配置文件正确"));
      QVERIFY(rig.Logged("判定依据：测试值上下限范围"));
      QCOMPARE(rig.state().criterionReady, 1);
      QCOMPARE(rig.presenter().Enabled(Control::StartButton), connected);
      QCOMPARE(StoredCriterion(rig), 0);
      QVERIFY(!rig.presenter().changes.empty());
      QCOMPARE(rig.presenter().changes.back(), DisplayChange::NodeLists);
    }
  }

  void cancelAtTheSaveQuestionClosesWithoutTheEdits() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    dialog_test::TypeInto(Edit(dialog, 1028), QStringLiteral("20000"));
    rig.presenter().answers = {MessageResult::Cancel};
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("当前配置已经更改，是否保存？"));
    QCOMPARE(int(rig.state().testParameters.rawdata_va_min), 19000);
    QVERIFY(rig.Logged("配置文件正确"));
    QVERIFY(rig.files.requests.empty());
  }

  void invalidValuesKeepTheDialogOpenOnOk() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    dialog_test::TypeInto(Edit(dialog, 1030), QStringLiteral("100"));
    rig.presenter().answers = {MessageResult::Ok, MessageResult::Ok};
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(rig.presenter().messages.back().text, std::string("当前配置错误，继续更改(确定)，还是放弃(取消)？"));
    rig.presenter().answers = {MessageResult::Ok, MessageResult::Cancel};
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rig.state().criterionReady, 0);
  }

  void failedImportNamesLineSix() {
    DialogRig rig;
    std::vector<std::string> lines = testing::ValidLines();
    lines[5] = "rawdata_key_max=1\t%c";
    QVERIFY(DialogRig::Put(rig.Path("bad.txt"), testing::Join(lines)));
    CConfigurate dialog(rig.tester(), rig.files);
    rig.files.answers = {rig.Path("bad.txt")};
    QTest::mouseClick(Button(dialog, 1051), Qt::LeftButton);
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("配置文件错误，位置在第 6行"));
    QCOMPARE(rig.presenter().messages[0].caption, std::string("配置错误"));
    QVERIFY(rig.Logged("配置文件错误>_<,位置在第 6行。"));
    QCOMPARE(rig.files.requests[0].dialog.initialPath, rig.Path("Config/.txt"));
  }

  void importShowsTheFile() {
    DialogRig rig;
    std::vector<std::string> lines = testing::ValidLines();
    lines[1] = "y_channel_valid=30\t%c";
    lines[7] = "display_area_y[52]=" + testing::Cells(30, 52) + "\t%c";
    QVERIFY(DialogRig::Put(rig.Path("good.txt"), testing::Join(lines)));
    CConfigurate dialog(rig.tester(), rig.files);
    rig.files.answers = {rig.Path("good.txt")};
    QTest::mouseClick(Button(dialog, 1051), Qt::LeftButton);
    QVERIFY(rig.presenter().messages.empty());
    QCOMPARE(Edit(dialog, 1027)->text(), QStringLiteral("30"));
    QVERIFY(dialog.list(ChannelAxis::Y, ChannelList::Display)->IsChecked(29));
    QVERIFY(!dialog.list(ChannelAxis::Y, ChannelList::Display)->IsChecked(30));
  }

  void typingAnXCountResetsTheXLists() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Tick(dialog.list(ChannelAxis::X, ChannelList::KeyArea), 3, true);
    dialog_test::TypeInto(Edit(dialog, 1026), QStringLiteral("10"));
    QVERIFY2(dialog.list(ChannelAxis::X, ChannelList::KeyArea)->IsChecked(3), "nothing happens while typing");
    QTest::keyClick(Edit(dialog, 1026), Qt::Key_Return);  // editing finished
    QVERIFY(dialog.isVisible());
    QVERIFY(rig.presenter().messages.empty());
    QCOMPARE(Edit(dialog, 1026)->text(), QStringLiteral("10"));
    for (int i = 0; i < 32; ++i) {
      QCOMPARE(dialog.list(ChannelAxis::X, ChannelList::Display)->IsChecked(i), i < 10);
      QCOMPARE(dialog.list(ChannelAxis::X, ChannelList::VisibleArea)->IsChecked(i), i < 10);
      QVERIFY(!dialog.list(ChannelAxis::X, ChannelList::KeyArea)->IsChecked(i));
    }
    QVERIFY(dialog.list(ChannelAxis::Y, ChannelList::Display)->IsChecked(51));
  }

  // A wrong count is refused once, when the field is left, and the field
  // shows the count in force again; the lists keep their ticks.
  void wrongCountIsRefusedOnceWhenTheFieldIsLeft() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog_test::TypeInto(Edit(dialog, 1026), QStringLiteral("1a0"));
    QVERIFY2(rig.presenter().messages.empty(), "no message while typing");
    Edit(dialog, 1028)->setFocus();  // leaves the field
    QVERIFY(dialog_test::WaitFor([&] { return !rig.presenter().messages.empty(); }));
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("X有效通道数量：请输入一个 0 至 32 之间的整数。"));
    QCOMPARE(Edit(dialog, 1026)->text(), QStringLiteral("32"));
    QVERIFY(dialog.list(ChannelAxis::X, ChannelList::Display)->IsChecked(31));
  }

  void exportOfAnUpperCaseTxtNameAppendsTxt() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    rig.files.answers = {rig.Path("film.TXT")};
    QTest::mouseClick(Button(dialog, 1052), Qt::LeftButton);
    QVERIFY(rig.presenter().messages.empty());
    QVERIFY(std::filesystem::exists(rig.Path("film.TXT.txt")));
    QVERIFY(!std::filesystem::exists(rig.Path("film.TXT")));
    QVERIFY(rig.files.requests[0].save);
  }

  // Escape is the close box: checked, asked, confirmed.
  void escapeTakesTheCloseProcedure() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY2(dialog.isVisible(), "Enter ends nothing");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(rig.Logged("配置文件正确"));
    QVERIFY(rig.Logged("判定依据：测试值上下限范围"));
    QCOMPARE(StoredCriterion(rig), 0);
  }

  void escapeWithAnInvalidValueAsksLikeTheCloseBox() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* lower = qobject_cast<QLineEdit*>(dialog.control(1028));
    auto* upper = qobject_cast<QLineEdit*>(dialog.control(1029));
    lower->setText(QStringLiteral("30000"));
    upper->setText(QStringLiteral("20000"));
    rig.presenter().answers = {MessageResult::Ok};  // keep editing
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY2(dialog.isVisible(), "the operator chose to go on editing");
    QVERIFY(!rig.presenter().messages.empty());
    QCOMPARE(rig.presenter().messages.back().text, std::string("当前配置错误，继续更改(确定)，还是放弃(取消)？"));
    QVERIFY(!rig.Logged("配置文件正确"));
  }

  void keyListsDecideTheMultiKeyButton() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    QVERIFY(!dialog.control(1059)->isEnabled());
    for (int i : {2, 3}) Tick(dialog.list(ChannelAxis::X, ChannelList::KeyArea), i, true);
    QVERIFY(!dialog.control(1059)->isEnabled());
    for (int i : {10, 11}) Tick(dialog.list(ChannelAxis::Y, ChannelList::KeyArea), i, true);
    QVERIFY(dialog.control(1059)->isEnabled());
    dialog.list(ChannelAxis::Y, ChannelList::KeyArea)->setCurrentRow(5);  // selection only
    QVERIFY(dialog.control(1059)->isEnabled());
  }

  void multiKeyDefinitionReachesTheExportedFile() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    for (int i : {0, 1, 2}) Tick(dialog.list(ChannelAxis::X, ChannelList::KeyArea), i, true);
    for (int i : {20, 21}) Tick(dialog.list(ChannelAxis::Y, ChannelList::KeyArea), i, true);
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* grid = qobject_cast<CDefineMultiKeys*>(QApplication::activeModalWidget());
      if (grid == nullptr) return;
      seen = true;
      grid->cell(MultiKeyCell(0, 0))->click();
      grid->cell(MultiKeyCell(1, 1))->click();
      grid->cell(MultiKeyCell(2, 0))->click();
      grid->close();
    });
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1059)), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(dialog.logic().state().matrixEdited);
    rig.files.answers = {rig.Path("keys.txt")};
    QTest::mouseClick(Button(dialog, 1052), Qt::LeftButton);
    TestParameters reread;
    QVERIFY(ParseConfigFile(rig.Path("keys.txt"), reread).ok());
    QCOMPARE(int(reread.multikey_matrix[0][0]), 1);
    QCOMPARE(int(reread.multikey_matrix[1][1]), 1);
    QCOMPARE(int(reread.multikey_matrix[2][0]), 1);
    QCOMPARE(int(reread.multikey_matrix[1][0]), 0);
    QCOMPARE(int(reread.test_key_number_x), 3);
    QCOMPARE(int(rig.state().testParameters.key_node_map[1][1]), 1);
  }

  void moreThanEightKeyChannelsOpenNoGrid() {
    DialogRig rig;
    CConfigurate dialog(rig.tester(), rig.files);
    for (int i : {0, 1}) Tick(dialog.list(ChannelAxis::X, ChannelList::KeyArea), i, true);
    for (int i = 0; i < 9; ++i) Tick(dialog.list(ChannelAxis::Y, ChannelList::KeyArea), i, true);
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = true;
        modal->close();
      }
    });
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(1059)), Qt::LeftButton);
    QTest::qWait(10);
    QVERIFY(!opened);
    QCOMPARE(rig.presenter().messages.size(), std::size_t{1});
    QCOMPARE(rig.presenter().messages[0].text, std::string("按键通道超过8个，无法定义多行按键"));
    QCOMPARE(rig.presenter().messages[0].caption, std::string("按键错误"));
  }

  void criterionRadioTakesEffectAtOnce() {
    DialogRig rig;
    QVERIFY(rig.rig().ConnectAndConfirm());
    CConfigurate dialog(rig.tester(), rig.files);
    QTest::mouseClick(qobject_cast<QRadioButton*>(dialog.control(1055)), Qt::LeftButton);
    QCOMPARE(rig.state().criterion, 1);
    QCOMPARE(rig.state().criterionReady, 0);
    QVERIFY(rig.presenter().Enabled(Control::ArrangeSampleMenuItem));
    QVERIFY(!rig.presenter().Enabled(Control::StartButton));
    dialog.close();
    QVERIFY(rig.Logged("判定依据：样本偏差"));
    QCOMPARE(StoredCriterion(rig), 1);
  }
};

}  // namespace vn

QTEST_MAIN(vn::ConfigurateDialogTest)
#include "configurate_dialog_test.moc"
