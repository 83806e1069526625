// The coloured static: background over the whole control, text colour,
// point fonts, and text that is drawn smaller rather than clipped.
#include <QImage>
#include <QTest>

#include "app/CMyStatic.h"
#include "app/colorref.h"

using namespace vn::app;

class MyStaticTest : public QObject {
  Q_OBJECT

 private slots:
  void defaults() {
    CMyStatic label;
    QCOMPARE(label.backgroundColour(), 0xFFFFFFu);
    QCOMPARE(label.textColour(), 0x000000u);
  }

  void backgroundFillsTheWholeControl() {
    CMyStatic box;
    box.resize(60, 30);
    box.SetBackgroundColour(kBlue);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : {QPoint(0, 0), QPoint(59, 29), QPoint(30, 15)})
      QCOMPARE(image.pixel(p) & 0xFFFFFF, 0x0000FFu);  // COLORREF 0xFF0000 is blue
  }

  void textPaintsInTheTextColour() {
    CMyStatic box(QStringLiteral("NG"));
    box.resize(120, 60);
    box.setAlignment(Qt::AlignCenter);
    box.SetPointFont(200, QStringLiteral("宋体"));
    box.SetTextColour(kWhite);
    box.SetBackgroundColour(kRed);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) white += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    QVERIFY(white > 20);
  }

  void pointFont_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<double>("points");
    QTest::newRow("label 200") << 200 << 20.0;
    QTest::newRow("verdict 700") << 700 << 70.0;
    QTest::newRow("scaled 634") << 634 << 63.4;
    QTest::newRow("too small is one point") << 3 << 1.0;
  }
  void pointFont() {
    QFETCH(int, tenths);
    QFETCH(double, points);
    CMyStatic label;
    label.SetPointFont(tenths, QStringLiteral("宋体"));
    QCOMPARE(label.font().pointSizeF(), points);
  }

  void largeTextIsDrawnSmallerToFit() {
    CMyStatic box(QStringLiteral("PASS"));
    box.resize(160, 60);
    box.SetPointFont(700, QStringLiteral("宋体"));
    const QFont shown = box.DisplayFont();
    QVERIFY(shown.pointSizeF() < 70.0);
    const QFontMetricsF metrics(shown);
    QVERIFY(metrics.horizontalAdvance(box.text()) <= 160);
    QVERIFY(metrics.height() <= 60);
    QCOMPARE(box.font().pointSizeF(), 70.0);  // the control's own font is kept
  }

  void fittingTextKeepsItsFont() {
    CMyStatic box(QStringLiteral("良率"));
    box.resize(300, 80);
    box.SetPointFont(200, QStringLiteral("宋体"));
    QCOMPARE(box.DisplayFont().pointSizeF(), 20.0);
  }
};

QTEST_MAIN(MyStaticTest)
#include "my_static_test.moc"
