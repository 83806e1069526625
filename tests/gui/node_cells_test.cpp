// The node lists' cells: headers, widths, texts and colours, and the model
// that carries them to the view.
#include <QBrush>
#include <QTest>

#include "app/node_cells.h"
#include "app/node_grid_model.h"

using namespace vn;
using namespace vn::app;

Q_DECLARE_METATYPE(vn::app::CellColour)

namespace {

// Default parameters with a key region on X 30..31 x Y 50..51 and X 3 not shown.
TestParameters Parameters() {
  TestParameters p;
  for (int x : {30, 31}) p.test_va_area_x[std::size_t(x)] = 0, p.test_key_area_x[std::size_t(x)] = 1;
  for (int y : {50, 51}) p.test_key_area_y[std::size_t(y)] = 1;
  p.test_key_number_x = 2;
  p.test_key_number_y = 2;
  p.multikey_matrix[0][0] = 1;  // only the first key crossing carries a key
  p.RebuildKeyNodeMap();
  p.rawdata_key_min = 20000;
  p.rawdata_key_max = 22000;
  p.display_area_x[3] = 0;
  return p;
}

}  // namespace

class NodeCellsTest : public QObject {
  Q_OBJECT

 private slots:
  void headersAndLabels() {
    QCOMPARE(ColumnHeader(0), std::string());
    QCOMPARE(ColumnHeader(1), std::string(" X 0"));
    QCOMPARE(ColumnHeader(11), std::string(" X10"));
    QCOMPARE(ColumnHeader(32), std::string(" X31"));
    QCOMPARE(RowLabel(0), std::string("Y 0"));
    QCOMPARE(RowLabel(51), std::string("Y51"));
  }

  void columnWidths_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("xChannels");
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("node");
    QTest::newRow("1920, 32") << 1920 << 32 << 30 << 59;
    QTest::newRow("1366, 32: node at least 43") << 1366 << 32 << 30 << 43;
    QTest::newRow("800, 32: label below 30") << 800 << 32 << 25 << 43;
    QTest::newRow("1920, 10: node at most 60") << 1920 << 10 << 30 << 60;
  }
  void columnWidths() {
    QFETCH(int, screen);
    QFETCH(int, xChannels);
    QFETCH(int, label);
    QFETCH(int, node);
    QCOMPARE(NodeColumnWidths(screen, xChannels), (ColumnWidths{label, node}));
  }

  void cellText_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("VA node") << 5 << 7 << 21000 << "21000";
    QTest::newRow("small value padded to five") << 5 << 7 << 7 << "    7";
    QTest::newRow("not shown: 0") << 3 << 7 << 21000 << "    0";
    QTest::newRow("key node") << 30 << 50 << 21000 << "21000";
    QTest::newRow("key region without a key: empty") << 31 << 51 << 21000 << "";
    QTest::newRow("outside both regions: empty") << 30 << 7 << 21000 << "";
  }
  void cellText() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NodeCellText(Parameters(), x, y, value)), text);
  }

  void valueColour_data() {
    QTest::addColumn<int>("criterion");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("faultX");
    QTest::addColumn<int>("faultY");
    QTest::addColumn<CellColour>("colour");
    QTest::newRow("VA in range") << 0 << 5 << 7 << 21000 << 0 << 0 << CellColour::Black;
    QTest::newRow("VA lower limit passes") << 0 << 5 << 7 << 19000 << 0 << 0 << CellColour::Black;
    QTest::newRow("VA upper limit passes") << 0 << 5 << 7 << 28000 << 0 << 0 << CellColour::Black;
    QTest::newRow("VA below") << 0 << 5 << 7 << 18999 << 0 << 0 << CellColour::Red;
    QTest::newRow("VA above") << 0 << 5 << 7 << 28001 << 0 << 0 << CellColour::Red;
    QTest::newRow("open node") << 0 << 5 << 7 << 1200 << 0 << 0 << CellColour::Red;
    QTest::newRow("key judged on the key range") << 0 << 30 << 50 << 23000 << 0 << 0 << CellColour::Red;
    QTest::newRow("key in its range") << 0 << 30 << 50 << 21000 << 0 << 0 << CellColour::Black;
    QTest::newRow("untested never red") << 0 << 31 << 51 << 1 << 0 << 0 << CellColour::Black;
    QTest::newRow("not shown, judged on its value") << 0 << 3 << 7 << 21000 << 0 << 0 << CellColour::Black;
    QTest::newRow("not shown, failing value") << 0 << 3 << 7 << 100 << 0 << 0 << CellColour::Red;
    QTest::newRow("fault column X 3 (fault value 4)") << 0 << 3 << 9 << 21000 << 4 << 0 << CellColour::Blue;
    QTest::newRow("fault column beats red") << 0 << 3 << 9 << 100 << 4 << 0 << CellColour::Blue;
    QTest::newRow("next column not blue") << 0 << 4 << 9 << 21000 << 4 << 0 << CellColour::Black;
    QTest::newRow("fault row Y 10 (fault value 11)") << 0 << 20 << 10 << 21000 << 0 << 11 << CellColour::Blue;
    QTest::newRow("key node in fault row") << 0 << 30 << 50 << 21000 << 0 << 51 << CellColour::Blue;
    QTest::newRow("untested in fault column stays black") << 0 << 31 << 51 << 21000 << 32 << 0 << CellColour::Black;
    QTest::newRow("sample limits: inside") << 1 << 5 << 7 << 21000 << 0 << 0 << CellColour::Black;
    QTest::newRow("sample limits: above") << 1 << 5 << 7 << 21101 << 0 << 0 << CellColour::Red;
  }
  void valueColour() {
    QFETCH(int, criterion);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, value);
    QFETCH(int, faultX);
    QFETCH(int, faultY);
    QFETCH(CellColour, colour);
    const TestParameters p = Parameters();
    SampleLimits limits;
    limits.lower[NodeIndex(5, 7)] = 20900;
    limits.upper[NodeIndex(5, 7)] = 21100;
    const ValueBasis basis{p, criterion, limits};
    const ValueColourRule rule{basis, std::uint8_t(faultX), std::uint8_t(faultY)};
    QCOMPARE(ValueCellColour(rule, x, y, value), colour);
    // A red cell and the judgement agree.
    if (colour != CellColour::Blue)
      QCOMPARE(colour == CellColour::Red,
               NodeValueFails(basis, ClassifyNode(p, std::uint8_t(x), std::uint8_t(y)), std::uint8_t(x),
                              std::uint8_t(y), value));
  }

  void differenceColour_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("difference");
    QTest::addColumn<CellColour>("colour");
    QTest::newRow("VA inside") << true << 5 << 7 << 5000 << CellColour::Black;
    QTest::newRow("VA below") << true << 5 << 7 << 2999 << CellColour::Red;
    QTest::newRow("VA negative") << true << 5 << 7 << -100 << CellColour::Red;
    QTest::newRow("VA upper limit") << true << 5 << 7 << 10000 << CellColour::Black;
    QTest::newRow("key above its own limit") << true << 30 << 50 << 12001 << CellColour::Red;
    QTest::newRow("key inside its own limit") << true << 30 << 50 << 12000 << CellColour::Black;
    QTest::newRow("criterion off: never red") << false << 5 << 7 << 2999 << CellColour::Black;
    QTest::newRow("untested") << true << 31 << 51 << 0 << CellColour::Black;
  }
  void differenceColour() {
    QFETCH(bool, enabled);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, difference);
    QFETCH(CellColour, colour);
    const TestParameters p = Parameters();
    DifferenceLimits limits;
    limits.keyDiffUpper = 12000;
    QCOMPARE(DifferenceCellColour({p, enabled, limits}, x, y, difference), colour);
  }

  void gridFollowsTheChannelsInUse() {
    TestParameters p = Parameters();
    p.x_channel_valid = 10;
    p.y_channel_valid = 20;
    NodeGrid grid = NodeGrid::ForParameters(p);
    QCOMPARE(grid.xChannels(), 10);
    QCOMPARE(grid.yChannels(), 20);
    NodeMatrix values;
    values.At(5, 7) = 23456;
    FillValueGrid(grid, p, values);
    QCOMPARE(grid.Cell(5, 7).text, std::string("23456"));
    QCOMPARE(grid.Cell(0, 0).text, std::string("    0"));
    QVERIFY(grid.Cell(9, 19).filled);
  }

  void differencesKeepTheirSign() {
    const TestParameters p = Parameters();
    NodeGrid grid = NodeGrid::ForParameters(p);
    DifferenceMatrix differences;
    differences.At(5, 7) = -1234;
    FillDifferenceGrid(grid, p, differences);
    QCOMPARE(grid.Cell(5, 7).text, std::string("-1234"));
    QCOMPARE(grid.Cell(5, 7).value, std::int64_t(-1234));
  }

  void modelShapeAndRoles() {
    TestParameters p = Parameters();
    p.x_channel_valid = 4;
    p.y_channel_valid = 3;
    NodeGridModel model;
    NodeGrid grid = NodeGrid::ForParameters(p);
    NodeMatrix values;
    values.At(2, 1) = 100;  // below the VA range
    FillValueGrid(grid, p, values);
    model.SetGrid(grid);
    model.SetColourRule([](int x, int y, std::int64_t value) {
      return x == 2 && y == 1 && value == 100 ? CellColour::Red : CellColour::Black;
    });
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString());
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(" X 2"));
    QCOMPARE(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("Y 2"));
    QCOMPARE(model.data(model.index(1, 3), Qt::DisplayRole).toString(), QStringLiteral("  100"));
    QCOMPARE(model.data(model.index(1, 3), Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    QCOMPARE(model.data(model.index(1, 2), Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 0));
    QCOMPARE(model.data(model.index(1, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 255));
  }

  void unwrittenCellsAreBlack() {
    NodeGridModel model;
    model.SetGrid(NodeGrid(2, 2));
    model.SetColourRule([](int, int, std::int64_t) { return CellColour::Red; });
    QCOMPARE(model.ColourAt(0, 0), CellColour::Black);
    QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString());
  }
};

QTEST_MAIN(NodeCellsTest)
#include "node_cells_test.moc"
