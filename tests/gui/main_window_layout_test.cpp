// The layouts applied to the main window: the client layout on every size
// change with its fonts, the screen layout on demand, the second list only
// with the difference criterion.
#include <QTest>

#include "app/CMyStatic.h"
#include "app/control_ids.h"
#include "app/window_layout.h"
#include "gui_test_support.h"

using namespace vn;
using namespace vn::app;
using vn::gui_test::WaitFor;
using vn::gui_test::WindowRig;

namespace {

const int kPlacedControls[] = {kValueListId, kOkCountId,     kNgCountId, kYieldId,       kOkLabelId, kNgLabelId,
                               kYieldLabelId, kClearButtonId, kLogId,     kStartButtonId, kVerdictId};

QRect Expected(const WindowLayout& layout, int id) {
  const PixelRect r = FindPlacement(layout, id)->rect;
  return QRect(r.left, r.top, r.width, r.height);
}

// Restores the window and gives its client area a new size.
void ResizeClient(CMyUsbHidTestAppDlg& window, int width, int height) {
  window.showNormal();
  QCoreApplication::processEvents();
  const QSize client = window.centralWidget()->size();
  window.resize(window.width() + width - client.width(), window.height() + height - client.height());
  QVERIFY(WaitFor([&] { return window.centralWidget()->size() == QSize(width, height); }));
}

}  // namespace

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void clientLayoutFollowsEverySizeChange_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("diffOn");
    QTest::newRow("700 x 400") << 700 << 400 << false;
    QTest::newRow("640 x 300, two lists") << 640 << 300 << true;
  }
  void clientLayoutFollowsEverySizeChange() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, diffOn);
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    rig.tester().state().diffCriterionEnabled = diffOn ? 1 : 0;
    ResizeClient(rig.window(), width, height);
    const WindowLayout layout = ComputeWindowLayout(LayoutBasis::Client, width, height, diffOn);
    for (int id : kPlacedControls) QCOMPARE(rig.window().control(id)->geometry(), Expected(layout, id));
    QCOMPARE(rig.window().control(kDifferenceListId)->isVisible(), diffOn);
    if (diffOn)
      QCOMPARE(rig.window().control(kDifferenceListId)->geometry(), Expected(layout, kDifferenceListId));
  }

  void clientLayoutScalesTheFonts() {
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    const int screenHeight = rig.window().screenSize().height();
    ResizeClient(rig.window(), 600, screenHeight / 2);
    const ScaledFontSizes expected = ScaleFontSizes(screenHeight / 2, screenHeight);
    QCOMPARE(rig.tester().state().verdictFontSize, expected.verdict);
    QCOMPARE(rig.tester().state().labelFontSize, expected.label);
    QCOMPARE(rig.window().verdictBox()->font().pointSizeF(), expected.verdict / 10.0);
    QCOMPARE(rig.window().okLabel()->font().pointSizeF(), expected.label / 10.0);
    QCOMPARE(rig.window().yieldLabel()->font().pointSizeF(), expected.label / 10.0);
  }

  void screenLayoutOnDemand_data() {
    QTest::addColumn<bool>("diffOn");
    QTest::newRow("one list") << false;
    QTest::newRow("two lists") << true;
  }
  void screenLayoutOnDemand() {
    QFETCH(bool, diffOn);
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    ResizeClient(rig.window(), 500, 300);
    const int fontBefore = rig.tester().state().verdictFontSize;
    rig.tester().state().diffCriterionEnabled = diffOn ? 1 : 0;
    rig.window().ApplyScreenLayout();
    const QSize screen = rig.window().screenSize();
    const WindowLayout layout = ComputeWindowLayout(LayoutBasis::Screen, screen.width(), screen.height(), diffOn);
    for (int id : kPlacedControls) QCOMPARE(rig.window().control(id)->geometry(), Expected(layout, id));
    QCOMPARE(rig.window().control(kDifferenceListId)->isVisible(), diffOn);
    QCOMPARE(rig.tester().state().verdictFontSize, fontBefore);  // fonts keep their last values
  }

  void firstShowEndsWithTheScreenLayout() {
    WindowRig rig("good", false);
    QVERIFY(rig.Show());
    const QSize screen = rig.window().screenSize();
    const WindowLayout layout = ComputeWindowLayout(LayoutBasis::Screen, screen.width(), screen.height(), false);
    QVERIFY(rig.window().isMaximized());
    for (int id : kPlacedControls) QCOMPARE(rig.window().control(id)->geometry(), Expected(layout, id));
    QVERIFY(!rig.window().control(kDifferenceListId)->isVisible());
  }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
