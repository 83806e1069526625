// The proportional layout rules: rectangles of both layouts, the second list
// only with the difference criterion, and the scaled fonts.
#include <QTest>

#include "app/control_ids.h"
#include "app/window_layout.h"

using namespace vn::app;

Q_DECLARE_METATYPE(vn::app::LayoutBasis)

namespace {

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void rectangles_data() {
    QTest::addColumn<LayoutBasis>("basis");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("diffOn");
    QTest::addColumn<int>("id");
    QTest::addColumn<QRect>("rect");
    const LayoutBasis S = LayoutBasis::Screen;
    const LayoutBasis C = LayoutBasis::Client;
    QTest::newRow("screen: one list") << S << 1920 << 1080 << false << int(kValueListId) << QRect(1, 0, 1916, 847);
    QTest::newRow("screen: first of two") << S << 1920 << 1080 << true << int(kValueListId) << QRect(1, 0, 1916, 421);
    QTest::newRow("screen: second list") << S << 1920 << 1080 << true << int(kDifferenceListId)
                                         << QRect(1, 426, 1916, 421);
    QTest::newRow("client: one list") << C << 1366 << 740 << false << int(kValueListId) << QRect(1, 0, 1363, 636);
    QTest::newRow("client: second list") << C << 1366 << 740 << true << int(kDifferenceListId)
                                         << QRect(1, 321, 1363, 318);
    QTest::newRow("screen: verdict") << S << 1920 << 1080 << false << int(kVerdictId) << QRect(1516, 853, 384, 108);
    QTest::newRow("client: verdict") << C << 1366 << 740 << false << int(kVerdictId) << QRect(1079, 643, 273, 88);
    QTest::newRow("screen: OK count") << S << 1920 << 1080 << false << int(kOkCountId) << QRect(19, 853, 192, 54);
    QTest::newRow("client: NG count") << C << 1366 << 740 << false << int(kNgCountId) << QRect(163, 643, 136, 44);
    QTest::newRow("screen: yield caption") << S << 1920 << 1080 << false << int(kYieldLabelId)
                                           << QRect(441, 907, 192, 37);
    QTest::newRow("client: OK caption") << C << 1366 << 740 << false << int(kOkLabelId) << QRect(13, 695, 136, 25);
    QTest::newRow("screen: clear button") << S << 1920 << 1080 << false << int(kClearButtonId)
                                          << QRect(652, 853, 134, 54);
    QTest::newRow("client: log") << C << 1366 << 740 << false << int(kLogId) << QRect(573, 643, 341, 96);
    QTest::newRow("screen: start") << S << 1920 << 1080 << false << int(kStartButtonId) << QRect(1305, 853, 192, 97);
    QTest::newRow("client: start") << C << 1366 << 740 << false << int(kStartButtonId) << QRect(928, 643, 136, 66);
  }
  void rectangles() {
    QFETCH(LayoutBasis, basis);
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(bool, diffOn);
    QFETCH(int, id);
    QFETCH(QRect, rect);
    const WindowLayout layout = ComputeWindowLayout(basis, w, h, diffOn);
    const ControlPlacement* placement = FindPlacement(layout, id);
    QVERIFY(placement != nullptr);
    QCOMPARE(ToQRect(placement->rect), rect);
  }

  void secondListOnlyWithTheDifferenceCriterion_data() {
    QTest::addColumn<LayoutBasis>("basis");
    QTest::addColumn<bool>("diffOn");
    QTest::newRow("screen, off") << LayoutBasis::Screen << false;
    QTest::newRow("screen, on") << LayoutBasis::Screen << true;
    QTest::newRow("client, off") << LayoutBasis::Client << false;
    QTest::newRow("client, on") << LayoutBasis::Client << true;
  }
  void secondListOnlyWithTheDifferenceCriterion() {
    QFETCH(LayoutBasis, basis);
    QFETCH(bool, diffOn);
    const WindowLayout layout = ComputeWindowLayout(basis, 1366, 768, diffOn);
    QCOMPARE(layout.differenceListShown, diffOn);
    QCOMPARE(FindPlacement(layout, kDifferenceListId) != nullptr, diffOn);
    QCOMPARE(layout.placements.size(), std::size_t(diffOn ? 12 : 11));
  }

  void twoListsDoNotOverlap() {
    for (LayoutBasis basis : {LayoutBasis::Screen, LayoutBasis::Client}) {
      const WindowLayout layout = ComputeWindowLayout(basis, 1920, 1080, true);
      const PixelRect first = FindPlacement(layout, kValueListId)->rect;
      const PixelRect second = FindPlacement(layout, kDifferenceListId)->rect;
      QVERIFY(first.top + first.height <= second.top);
    }
  }

  void truncatesTowardsZero() {
    QCOMPARE(PlaceByFractions(999, 999, {0.001, 0.998, 0.5, 0.5}), (PixelRect{0, 499, 997, 499}));
  }

  void fontSizes_data() {
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<int>("label");
    QTest::newRow("full height") << 1080 << 1080 << 700 << 200;
    QTest::newRow("maximised 1366x768") << 740 << 768 << 674 << 192;
    QTest::newRow("half height") << 540 << 1080 << 350 << 100;
    QTest::newRow("tiny") << 10 << 1080 << 6 << 1;
    QTest::newRow("no screen") << 500 << 0 << 700 << 200;
  }
  void fontSizes() {
    QFETCH(int, clientHeight);
    QFETCH(int, screenHeight);
    QFETCH(int, verdict);
    QFETCH(int, label);
    QCOMPARE(ScaleFontSizes(clientHeight, screenHeight), (ScaledFontSizes{verdict, label}));
  }
};

QTEST_APPLESS_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
