// The segment display widget: repaints only on change, style changes,
// hidden unlit segments, colours and the off-screen painting.
#include <QImage>
#include <QTest>

#include "app/CDigiStatic.h"
#include "app/colorref.h"

using namespace vn::app;

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
  return count;
}

QImage Render(CDigiStatic& display) { return display.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void PrepareAsCounter(CDigiStatic& display) {
  display.resize(120, 40);
  display.SetDisplayBackground(kBlack);
  display.SetSegmentColours(kLightGrey, kGreen);
}

}  // namespace

class DigiStaticTest : public QObject {
  Q_OBJECT

 private slots:
  void defaults() {
    CDigiStatic display;
    QCOMPARE(display.displayText(), std::string("?"));
    QCOMPARE(display.displayStyle(), 0x14u);
    QCOMPARE(display.unlitColour(), 0x003400u);
    QCOMPARE(display.litColour(), 0x00FF00u);
    QCOMPARE(display.backgroundColour(), 0x000000u);
  }

  void questionMarkStandsForTheCaption() {
    CDigiStatic display;
    display.setWindowTitle("12.5");
    QCOMPARE(display.Characters().size(), std::size_t(4));
    QCOMPARE(display.displayText(), std::string("12.5"));
  }

  void sameTextTwiceDoesNotRepaint() {
    CDigiStatic display;
    PrepareAsCounter(display);
    display.show();
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    PaintCounter counter;
    display.installEventFilter(&counter);
    QVERIFY(display.SetDisplayText("    1"));
    QTRY_VERIFY(counter.paints > 0);
    counter.paints = 0;
    QVERIFY(!display.SetDisplayText("    1"));
    QTest::qWait(100);
    QCOMPARE(counter.paints, 0);
  }

  void formatDisplayText_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("%5d of 1") << "%5d" << 1.0 << "    1";
    QTest::newRow("%5d of 9001") << "%5d" << 9001.0 << " 9001";
    QTest::newRow("%6.2f of 100") << "%6.2f" << 100.0 << "100.00";
    QTest::newRow("%6.2f of 50") << "%6.2f" << 50.0 << " 50.00";
  }
  void formatDisplayText() {
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, text);
    CDigiStatic display;
    const std::string f = format.toStdString();
    if (f == "%5d")
      display.FormatDisplayText(f.c_str(), int(value));
    else
      display.FormatDisplayText(f.c_str(), float(value));
    QCOMPARE(QString::fromStdString(display.displayText()), text);
  }

  void changeDisplayStyle_data() {
    QTest::addColumn<uint>("remove");
    QTest::addColumn<uint>("add");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<uint>("style");
    QTest::newRow("add hide unlit") << 0u << 8u << true << 0x1Cu;
    QTest::newRow("remove keep aspect") << 4u << 0u << true << 0x10u;
    QTest::newRow("swap") << 16u << 8u << true << 0x0Cu;
    QTest::newRow("same bit in both") << 8u << 8u << false << 0x14u;
    QTest::newRow("overlap") << 12u << 4u << false << 0x14u;
  }
  void changeDisplayStyle() {
    QFETCH(uint, remove);
    QFETCH(uint, add);
    QFETCH(bool, changed);
    QFETCH(uint, style);
    CDigiStatic display;
    QCOMPARE(display.ChangeDisplayStyle(remove, add), changed);
    QCOMPARE(display.displayStyle(), style);
  }

  void backgroundReturnsThePreviousColour() {
    CDigiStatic display;
    QCOMPARE(display.SetDisplayBackground(0x123456), 0x000000u);
    QCOMPARE(display.SetDisplayBackground(0x000000), 0x123456u);
  }

  void hiddenUnlitSegmentsAreNotDrawn() {
    CDigiStatic display;
    PrepareAsCounter(display);
    display.ChangeDisplayStyle(StyleSoftOutline, StyleHideUnlit);
    display.SetDisplayText(" ");
    const QImage blank = Render(display);
    QCOMPARE(CountPixels(blank, qRgb(0, 0, 0)), blank.width() * blank.height());
    display.SetDisplayText("8");
    const QImage eight = Render(display);
    QVERIFY(CountPixels(eight, qRgb(0, 255, 0)) > 100);
    QCOMPARE(CountPixels(eight, qRgb(0xC0, 0xC0, 0xC0)), 0);
  }

  void unlitSegmentsShowWithoutHideUnlit() {
    CDigiStatic display;
    PrepareAsCounter(display);
    display.ChangeDisplayStyle(StyleSoftOutline, 0);
    display.SetDisplayText(" ");
    const QImage blank = Render(display);
    QVERIFY(CountPixels(blank, qRgb(0xC0, 0xC0, 0xC0)) > 100);
    QCOMPARE(CountPixels(blank, qRgb(0, 255, 0)), 0);
  }

  void oneLightsTheRightSideOfTheLastCell() {
    CDigiStatic display;
    PrepareAsCounter(display);
    display.ChangeDisplayStyle(StyleSoftOutline, StyleHideUnlit);
    display.SetDisplayText("    1");
    const QImage image = Render(display);
    // Keep-aspect in 120 x 40: s = 40 / 83, the last cell starts near 95 px;
    // its left segments (design x 4..11) would reach below 101 px, its right
    // ones (37..44) start near 113 px.
    int leftmost = image.width();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0x00FF00) leftmost = std::min(leftmost, x);
    QVERIFY2(leftmost >= 110 && leftmost < image.width(), qPrintable(QString::number(leftmost)));
  }
};

QTEST_MAIN(DigiStaticTest)
#include "digi_static_test.moc"
