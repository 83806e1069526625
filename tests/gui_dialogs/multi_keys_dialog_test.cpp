// The multi-row key dialog "定义多行按键" on the offscreen platform.
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include <cstdlib>

#include "config/CDefineMultiKeys.h"
#include "support/tester_rig.h"

namespace vn {

namespace {

KeyChannels Keys(std::initializer_list<std::size_t> channels) {
  KeyChannels keys;
  for (const std::size_t c : channels) keys.flags[c] = 1;
  keys.count = static_cast<std::uint8_t>(channels.size());
  return keys;
}

int CentreX(const QWidget* w) { return w->mapTo(w->window(), w->rect().center()).x(); }
int CentreY(const QWidget* w) { return w->mapTo(w->window(), w->rect().center()).y(); }

}  // namespace

class MultiKeysDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void gridOfThreeColumnsAndTwoKeyRows() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("定义多行按键"));
    QVERIFY(dialog.cell(23) != nullptr);
    QVERIFY(dialog.cell(24) == nullptr);
    const char* columns[] = {"X 4", "X 5", "X 9"};
    for (int x = 0; x < 8; ++x) {
      QLabel* heading = dialog.heading(1081 + x);
      QCOMPARE(heading->isVisible(), x < 3);
      if (x < 3) {
        QCOMPARE(heading->text(), QString::fromUtf8(columns[x]));
        for (int y = 0; y < 8; ++y) QVERIFY(std::abs(CentreX(dialog.cell(MultiKeyCell(x, y))) - CentreX(heading)) <= 2);
      }
    }
    QCOMPARE(dialog.heading(1089)->text(), QStringLiteral("Y 0"));
    QCOMPARE(dialog.heading(1090)->text(), QStringLiteral("Y17"));
    QCOMPARE(dialog.heading(1091)->text(), QStringLiteral("------"));
    for (int y = 0; y < 8; ++y) {
      QCOMPARE(dialog.heading(1089 + y)->isVisible(), y < 3);
      if (y < 3) QVERIFY(std::abs(CentreY(dialog.cell(MultiKeyCell(0, y))) - CentreY(dialog.heading(1089 + y))) <= 2);
    }
    QVERIFY(dialog.heading(1097)->isVisible());
  }

  void cellsBelowTheKeyRowsAreRefused() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    dialog.show();
    dialog.cell(MultiKeyCell(1, 2))->click();
    QVERIFY(!dialog.cell(MultiKeyCell(1, 2))->isChecked());
    QCOMPARE(presenter.messages.size(), std::size_t{1});
    QCOMPARE(presenter.messages[0].text, std::string("该节点无效"));
    QCOMPARE(presenter.messages[0].caption, std::string("提示"));
    dialog.cell(MultiKeyCell(1, 1))->click();
    QVERIFY(dialog.cell(MultiKeyCell(1, 1))->isChecked());
    QCOMPARE(presenter.messages.size(), std::size_t{1});
  }

  void leftoverCellsAreRefusedWhenTheGridOpens() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    matrix[3][0] = 1;  // row 3 of column 0: beyond two key rows
    matrix[6][2] = 1;
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    QCOMPARE(presenter.messages.size(), std::size_t{2});
    QVERIFY(!dialog.cell(MultiKeyCell(0, 3))->isChecked());
    QVERIFY(!dialog.cell(MultiKeyCell(2, 6))->isChecked());
  }

  void exampleIsAcceptedAndWrittenBack() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    dialog.show();
    dialog.cell(MultiKeyCell(0, 0))->click();
    dialog.cell(MultiKeyCell(1, 1))->click();
    dialog.cell(MultiKeyCell(2, 0))->click();
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(presenter.messages.empty());
    QVERIFY(edited);
    QCOMPARE(int(matrix[0][0]), 1);
    QCOMPARE(int(matrix[1][1]), 1);
    QCOMPARE(int(matrix[0][2]), 1);
    QCOMPARE(int(matrix[1][0]), 0);
  }

  void emptyColumnAsksAndCancelChangesNothing() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    dialog.show();
    dialog.cell(MultiKeyCell(0, 0))->click();
    dialog.cell(MultiKeyCell(1, 1))->click();
    presenter.answers = {MessageResult::Ok};
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(presenter.messages.back().text, std::string("按键配置错误，继续更改(确定)，还是放弃(取消)？"));
    QCOMPARE(presenter.messages.back().caption, std::string("按键错误"));
    presenter.answers = {MessageResult::Cancel};
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(!edited);
    QCOMPARE(matrix, KeyMatrix{});
  }

  void eightKeyRowsShowNoEndMark() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({0, 1}), Keys({0, 1, 2, 3, 4, 5, 6, 7}), {matrix, edited});
    dialog.show();
    for (int y = 0; y < 8; ++y) {
      QVERIFY(dialog.heading(1089 + y)->isVisible());
      QVERIFY(dialog.heading(1089 + y)->text() != QStringLiteral("------"));
    }
    QVERIFY(dialog.heading(1097)->isVisible());
  }

  void escapeWritesNothing() {
    test::RecordingPresenter presenter;
    KeyMatrix matrix{};
    bool edited = false;
    CDefineMultiKeys dialog(presenter, Keys({4, 5, 9}), Keys({0, 17}), {matrix, edited});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.cell(MultiKeyCell(0, 0))->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!edited);
    QCOMPARE(matrix, KeyMatrix{});
  }
};

}  // namespace vn

QTEST_MAIN(vn::MultiKeysDialogTest)
#include "multi_keys_dialog_test.moc"
