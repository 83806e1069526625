// The segment characters: lit masks, outlines, widths, layout and the mapping
// of design points to pixels.
#include <QTest>

#include "app/CDigi7Segment.h"
#include "app/CDigiColonDotChar.h"
#include "app/digi_layout.h"
#include "app/digi_style.h"
#include "app/digi_text.h"

using namespace vn::app;

using PointList = std::vector<DigiPoint>;
Q_DECLARE_METATYPE(PointList)

namespace {

PointList Points(std::initializer_list<std::pair<int, int>> list) {
  PointList points;
  for (const auto& [x, y] : list) points.push_back({x, y});
  return points;
}

}  // namespace

class DigiGeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void litMask_data() {
    QTest::addColumn<char>("character");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("width");
    const std::pair<char, int> sevenSegment[] = {{' ', 0x00}, {'0', 0x77}, {'1', 0x24}, {'2', 0x5D}, {'3', 0x6D},
                                                 {'4', 0x2E}, {'5', 0x6B}, {'6', 0x7B}, {'7', 0x25}, {'8', 0x7F},
                                                 {'9', 0x6F}, {'-', 0x08}};
    for (const auto& [c, mask] : sevenSegment)
      QTest::addRow("'%c'", c) << c << mask << CDigi7Segment::kDesignWidth;
    QTest::addRow("'.'") << '.' << 0x04 << CDigiColonDotChar::kDesignWidth;
    QTest::addRow("':'") << ':' << 0x03 << CDigiColonDotChar::kDesignWidth;
    QTest::addRow("letter shows blank") << 'A' << 0x00 << CDigi7Segment::kDesignWidth;
  }
  void litMask() {
    QFETCH(char, character);
    QFETCH(int, mask);
    QFETCH(int, width);
    const CDigiChar c = CreateCharacter(character, 0);
    QCOMPARE(int(c.litMask()), mask);
    QCOMPARE(c.designWidth(), width);
    QCOMPARE(c.segmentCount(), width == 49 ? 7 : 3);
  }

  void sevenSegmentOutlines_data() {
    QTest::addColumn<int>("bit");
    QTest::addColumn<PointList>("points");
    QTest::newRow("0 top") << 0 << Points({{5, 4}, {12, 11}, {36, 11}, {43, 4}});
    QTest::newRow("1 upper left") << 1 << Points({{4, 6}, {4, 40}, {11, 36}, {11, 13}});
    QTest::newRow("2 upper right") << 2 << Points({{44, 6}, {44, 40}, {37, 36}, {37, 13}});
    QTest::newRow("3 middle") << 3 << Points({{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}});
    QTest::newRow("4 lower left") << 4 << Points({{4, 76}, {4, 42}, {11, 46}, {11, 69}});
    QTest::newRow("5 lower right") << 5 << Points({{44, 76}, {44, 42}, {37, 46}, {37, 69}});
    QTest::newRow("6 bottom") << 6 << Points({{5, 78}, {12, 71}, {36, 71}, {43, 78}});
  }
  void sevenSegmentOutlines() {
    QFETCH(int, bit);
    QFETCH(PointList, points);
    const DigiSegment segment = SevenSegmentOutlines().at(std::size_t(bit));
    QVERIFY(segment.points() == points);
    QCOMPARE(segment.types().front(), DigiPointType::MoveTo);
    for (std::size_t i = 1; i < segment.types().size(); ++i) QCOMPARE(segment.types()[i], DigiPointType::LineTo);
  }

  void colonDotOutlines() {
    const std::vector<DigiSegment> squares = ColonDotOutlines();
    QCOMPARE(squares.size(), std::size_t(3));
    QVERIFY(squares[0].points() == Points({{4, 23}, {4, 32}, {13, 32}, {13, 23}}));
    QVERIFY(squares[1].points() == Points({{4, 50}, {4, 59}, {13, 59}, {13, 50}}));
    QVERIFY(squares[2].points() == Points({{4, 68}, {4, 77}, {13, 77}, {13, 68}}));
  }

  void onePaddedLightsOnlyTheLastCell() {
    // "%5d" of 1: four blanks and a 1, five cells of equal width.
    const std::vector<CDigiChar> chars = BuildCharacters("    1", 0);
    QCOMPARE(chars.size(), std::size_t(5));
    for (int i = 0; i < 4; ++i) QCOMPARE(int(chars[std::size_t(i)].litMask()), 0);
    const CDigiChar& last = chars.back();
    for (int bit = 0; bit < 7; ++bit) QCOMPARE(last.SegmentLit(bit), bit == 2 || bit == 5);
    QCOMPARE(TotalDesignWidth(chars), 245);
  }

  void totalDesignWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("%5d") << "    0" << 5 * 49;
    QTest::newRow("%6.2f of 100") << "100.00" << 5 * 49 + 18;
    QTest::newRow("%6.2f of 0") << "  0.00" << 263;
    QTest::newRow("colon") << "12:34" << 4 * 49 + 18;
    QTest::newRow("empty") << "" << 0;
  }
  void totalDesignWidth() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(TotalDesignWidth(BuildCharacters(text.toStdString(), 0)), width);
  }

  void hideUnlitFollowsStyle_data() {
    QTest::addColumn<uint>("style");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("default 0x14") << uint(kDefaultDigiStyle) << false;
    QTest::newRow("main window 0x1C") << uint(kDefaultDigiStyle | StyleHideUnlit) << true;
    QTest::newRow("hide only") << uint(StyleHideUnlit) << true;
  }
  void hideUnlitFollowsStyle() {
    QFETCH(uint, style);
    QFETCH(bool, hidden);
    QCOMPARE(CreateCharacter('8', style).hideUnlit(), hidden);
    QCOMPARE(CreateCharacter('.', style).hideUnlit(), hidden);
  }

  void keepAspectScalesByTheSmallerFactor() {
    // Five digits in 100 x 33: sx = 100/245, sy = 33/83; both become sy and
    // the digits are centred horizontally.
    const std::vector<CDigiChar> chars = BuildCharacters("    1", StyleKeepAspect);
    const DigiLayout layout = LayoutCharacters(chars, 100, 33, StyleKeepAspect);
    const double sy = 33.0 / 83.0;
    QVERIFY(100.0 / 245.0 > sy);
    QCOMPARE(layout.sx, sy);
    QCOMPARE(layout.sy, sy);
    QCOMPARE(layout.x0, (100 - 245 * sy) / 2);
    QCOMPARE(layout.y0, 0.0);
    QCOMPARE(layout.cells.size(), std::size_t(5));
    QCOMPARE(layout.cells[1].left, layout.x0 + 49 * sy);
    QCOMPARE(layout.cells.back().left + layout.cells.back().width, 100 - layout.x0);
  }

  void keepAspectCentresVertically() {
    const std::vector<CDigiChar> chars = BuildCharacters("100.00", StyleKeepAspect);
    const DigiLayout layout = LayoutCharacters(chars, 263, 200, StyleKeepAspect);
    QCOMPARE(layout.sx, 1.0);
    QCOMPARE(layout.y0, (200 - 83) / 2.0);
    QCOMPARE(layout.cells[3].width, 18.0);  // the decimal point, fourth of "100.00", is 18 units wide
  }

  void withoutKeepAspectCharactersStretch() {
    const std::vector<CDigiChar> chars = BuildCharacters("    1", 0);
    const DigiLayout layout = LayoutCharacters(chars, 100, 33, 0);
    QCOMPARE(layout.sx, 100.0 / 245.0);
    QCOMPARE(layout.sy, 33.0 / 83.0);
    QCOMPARE(layout.x0, 0.0);
    QCOMPARE(layout.y0, 0.0);
  }

  void emptyTextHasNoCells() { QVERIFY(LayoutCharacters({}, 100, 33, StyleKeepAspect).cells.empty()); }

  void designPointsMapToPixels_data() {
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // Rectangle 49 x 83 at (10, 20): one pixel per unit.
    QTest::newRow("unit scale") << 5 << 4 << 10.0 << 49.0 << 15 << 24;
    // Twice the size: (43, 4) -> 86 + 0.5, 8 + 0.5.
    QTest::newRow("double scale") << 43 << 4 << 0.0 << 98.0 << 86 << 8;
    // Half the size rounds halves up: 5 * 0.5 + 0.5 = 3.
    QTest::newRow("half scale") << 5 << 41 << 0.0 << 24.5 << 3 << 21;
  }
  void designPointsMapToPixels() {
    QFETCH(int, px);
    QFETCH(int, py);
    QFETCH(double, left);
    QFETCH(double, width);
    QFETCH(int, x);
    QFETCH(int, y);
    const double height = width / 49 * 83;
    const double top = left == 10.0 ? 20.0 : 0.0;
    const DigiPoint p = MapDesignPoint({px, py}, {left, top, width, height}, 49);
    QCOMPARE(p.x, x);
    QCOMPARE(p.y, y);
  }

  void softOutlineBlendsWithBackground_data() {
    QTest::addColumn<uint>("segment");
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("style");
    QTest::addColumn<uint>("outline");
    QTest::newRow("green on black") << 0x00FF00u << 0x000000u << uint(StyleSoftOutline) << 0x00BF00u;
    QTest::newRow("grey on black") << 0xC0C0C0u << 0x000000u << uint(StyleSoftOutline) << 0x909090u;
    QTest::newRow("red on white") << 0x0000FFu << 0xFFFFFFu << uint(StyleSoftOutline) << 0x3F3FFFu;
    QTest::newRow("no soft outline") << 0x00FF00u << 0x000000u << 0u << 0x00FF00u;
  }
  void softOutlineBlendsWithBackground() {
    QFETCH(uint, segment);
    QFETCH(uint, background);
    QFETCH(uint, style);
    QFETCH(uint, outline);
    QCOMPARE(uint(OutlineColour(segment, background, style)), outline);
  }

  void lowerCaseIsUpperCased() {
    QCOMPARE(BuildCharacters("a", 0).front().designWidth(), 49);
    QCOMPARE(int(BuildCharacters("-", 0).front().litMask()), 0x08);
  }
};

QTEST_APPLESS_MAIN(DigiGeometryTest)
#include "digi_geometry_test.moc"
